#include "toolkit/dialogs/wait_boxes.h"

#include <QCoreApplication>

namespace toolkit {

namespace {

// The blank padding of the please-wait line sets the width of the box: 11 + 13 + 15 = 39
// characters for the narrow box, 43 + 13 + 43 = 99 for the wide one.
const QString narrowFirstText = QStringLiteral("           لطفا صبر كنيد               ");
const QString wideFirstText = QStringLiteral(
    "                                           لطفا صبر كنيد                                 "
    "          ");
const QString messageCaption = QStringLiteral("پيام");
/// The caption the platform's message dialog gives a warning.
const QString warningCaption = QStringLiteral("Warning");

QColor colorOf(int Color)
{
    // [0, 255] each: red in bits 0-7, green in bits 8-15, blue in bits 16-23.
    return QColor(Color & 0xFF, (Color >> 8) & 0xFF, (Color >> 16) & 0xFF);
}

} // namespace

WaitBoxes::WaitBoxes() = default;
WaitBoxes::~WaitBoxes() = default;

void WaitBoxes::create(const WaitBoxForm::Look& look, const QString& caption)
{
    MsgBoxForm = std::make_unique<WaitBoxForm>(look);
    MsgBoxForm->show();
    MsgBoxForm->setWindowTitle(caption);
}

void WaitBoxes::ShowBoxMessage(const QString& Msg)
{
    if (!MsgBoxForm)
        create({narrowFirstText, 100, QColor(0xF9, 0xFF, 0xE1), false}, messageCaption);
    if (!Msg.isEmpty())
        MsgBoxForm->showWrapped(Msg);
    QCoreApplication::processEvents();
}

void WaitBoxes::ShowBigBoxMessage(const QString& Msg)
{
    if (!MsgBoxForm)
        create({wideFirstText, 120, QColor(0xFF, 0xDB, 0xCA), true}, warningCaption);
    if (!Msg.isEmpty())
        MsgBoxForm->showOneLine(Msg);
    QCoreApplication::processEvents();
}

void WaitBoxes::ShowBoxMessageColor(const QString& Msg, int Color)
{
    if (!MsgBoxForm)
        create({narrowFirstText, 150, colorOf(Color), true}, warningCaption);
    if (!Msg.isEmpty())
        MsgBoxForm->showOneLine(Msg);
    QCoreApplication::processEvents();
}

void WaitBoxes::ShowBoxClose()
{
    MsgBoxForm.reset();
}

} // namespace toolkit
