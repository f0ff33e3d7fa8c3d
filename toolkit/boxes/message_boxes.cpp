#include "toolkit/boxes/message_boxes.h"

#include "platform/modal_box.h"
#include "platform/tones.h"

#include <utility>
#include <vector>

namespace toolkit {

namespace {

using platform::BoxButton;
using platform::BoxKind;
using platform::BoxRequest;

const QChar CR(13);

const QString returnText = QStringLiteral("بازگشت");
const QString questionCaption = QStringLiteral("سوال");
const QString yesText = QStringLiteral("بله");
const QString noText = QStringLiteral("خير");

/// Beyond this many characters a failed statement's text is cut in the error box.
constexpr qsizetype exceptMsgLimit = 300;

/// Shows a box with one "return" button that both Enter and Escape press.
void showReturnBox(BoxKind kind, const QString& caption, const QString& text)
{
    platform::tones().beep();
    BoxRequest request;
    request.kind = kind;
    request.caption = caption;
    request.text = text;
    request.buttons = {BoxButton{returnText, platform::mrOk}};
    request.defaultResult = platform::mrOk;
    request.cancelResult = platform::mrOk;
    platform::showModalBox(request);
}

int askQuestion(const QString& caption, const QString& text, std::vector<BoxButton> buttons,
                int defaultResult, int cancelResult)
{
    BoxRequest request;
    request.kind = BoxKind::Confirmation;
    request.caption = caption;
    request.text = text;
    request.buttons = std::move(buttons);
    request.defaultResult = defaultResult;
    request.cancelResult = cancelResult;
    return platform::showModalBox(request);
}

} // namespace

void MessageBoxes::ShowMsg(const QString& St)
{
    showReturnBox(BoxKind::Information, QStringLiteral("پيام"), St);
}

void MessageBoxes::ShowExceptMsg(const QString& Msg, const QString& ErMsg)
{
    QString text = Msg;
    if (text.size() > exceptMsgLimit)
        text = text.left(exceptMsgLimit) + CR +
               QStringLiteral("(بدليل طولاني بودن ادامه دستور نمايش داده نمي شود)");
    if (ErMsg.toUpper().contains(QLatin1String("PRIMARY KEY")))
        text += CR + QStringLiteral("نكته : احتمالا پيام در مورد اطلاعات تكراري است ");
    text += CR + QString(37, QLatin1Char('_')) + CR + CR + QStringLiteral("پيام اصلي سيستم :") +
            CR + ErMsg;
    showReturnBox(BoxKind::Error, QStringLiteral("خطا"), text);
}

int MessageBoxes::AskYesNo(const QString& St)
{
    return askQuestion(questionCaption, St,
                       {BoxButton{yesText, platform::mrYes}, BoxButton{noText, platform::mrNo}},
                       platform::mrYes, platform::mrNo);
}

int MessageBoxes::AskYesNoAll(const QString& St)
{
    return askQuestion(questionCaption, St,
                       {BoxButton{yesText, platform::mrYes}, BoxButton{noText, platform::mrNo},
                        BoxButton{QStringLiteral("خير به همه"), platform::mrNoToAll},
                        BoxButton{QStringLiteral("بله به همه "), platform::mrYesToAll}},
                       platform::mrYes, platform::mrNo);
}

int MessageBoxes::ChartOrFr3()
{
    return askQuestion(QStringLiteral("لطفاانتخاب كنيد"),
                       QStringLiteral("تمايل داريد گزارش نمايش داده شود يا نمودار؟"),
                       {BoxButton{QStringLiteral("گزارش"), platform::mrYes},
                        BoxButton{QStringLiteral("نمودار"), platform::mrNo},
                        BoxButton{QStringLiteral("هيچكدام"), platform::mrCancel}},
                       platform::mrYes, platform::mrCancel);
}

void MessageBoxes::Sound(int aFreq, int aDelay)
{
    platform::tones().sound(aFreq, aDelay);
}

void MessageBoxes::NoSound()
{
    platform::tones().noSound();
}

void MessageBoxes::WarningSound()
{
    Sound(1200, 50);
    Sound(900, 100);
    NoSound();
}

} // namespace toolkit
