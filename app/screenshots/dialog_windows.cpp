// The toolkit's boxes, the please-wait box in its variants and the message board.
#include "app/screenshots/screenshot_registry.h"
#include "platform/modal_box.h"
#include "platform/tones.h"
#include "toolkit/boxes/message_boxes.h"
#include "toolkit/dialogs/box_dialog.h"
#include "toolkit/dialogs/message_board_form.h"
#include "toolkit/dialogs/wait_boxes.h"

#include <functional>

namespace {

/// Keeps the box a toolkit operation asks for instead of showing it.
class KeepingPresenter final : public platform::BoxPresenter {
public:
    int present(const platform::BoxRequest& request) override
    {
        kept = request;
        return request.defaultResult;
    }
    platform::BoxRequest kept;
};

class SilentTones final : public platform::Tones {
public:
    void sound(int, int) override {}
    void noSound() override {}
    void beep() override {}
};

/// The dialog of the box that show asks for, made but not run.
std::unique_ptr<QWidget> boxOf(const std::function<void(toolkit::MessageBoxes&)>& show)
{
    KeepingPresenter presenter;
    SilentTones tones;
    platform::setBoxPresenter(&presenter);
    platform::setTones(&tones);
    toolkit::MessageBoxes messages;
    show(messages);
    platform::setTones(nullptr);
    platform::setBoxPresenter(nullptr);
    return std::make_unique<toolkit::BoxDialog>(presenter.kept);
}

/// The please-wait box that show makes, taken from its owner.
std::unique_ptr<QWidget> waitBoxOf(const std::function<void(toolkit::WaitBoxes&)>& show)
{
    toolkit::WaitBoxes boxes;
    show(boxes);
    return std::move(boxes.MsgBoxForm);
}

std::unique_ptr<QWidget> finishedBoard()
{
    auto board = std::make_unique<toolkit::TMessageBoardForm>([] {});
    board->StartRecording(true, QStringLiteral("ساخت جداول"));
    board->PostThisMessage(QStringLiteral("موفقيت در"), QStringLiteral("1"));
    board->PostThisMessage(
        QStringLiteral("خطا"),
        QStringLiteral("جدول 2Tarvex ساخته نشد زيرا ستون شماره بدن در جدول دام ها پيدا نشد و "
                       "اجراي دستور متوقف شد؛ لطفا فايل Create.List را بررسي كنيد و دوباره "
                       "برنامه را اجرا كنيد تا جدول ساخته شود"));
    board->PostThisMessage(QStringLiteral("دستور"), QStringLiteral("update Info set Value=1"));
    board->StopRecording();
    return board;
}

const QString question = QStringLiteral("همه رديف هاي ليست حذف شوند؟");

const screenshots::Registration dialogWindows{{
    {QStringLiteral("box-ShowMsg"),
     [] {
         return boxOf([](auto& m) { m.ShowMsg(QStringLiteral("شماره بدن وارد شده در گله نيست")); });
     }},
    {QStringLiteral("box-ShowExceptMsg"),
     [] {
         return boxOf([](auto& m) {
             m.ShowExceptMsg(QStringLiteral("insert into [2Tarvex] (Sec) values ('00123')"),
                             QStringLiteral("Violation of PRIMARY KEY constraint 'PK_2Tarvex'. "
                                            "Cannot insert duplicate key."));
         });
     }},
    {QStringLiteral("box-AskYesNo"), [] { return boxOf([](auto& m) { m.AskYesNo(question); }); }},
    {QStringLiteral("box-AskYesNoAll"),
     [] { return boxOf([](auto& m) { m.AskYesNoAll(question); }); }},
    {QStringLiteral("box-ChartOrFr3"), [] { return boxOf([](auto& m) { m.ChartOrFr3(); }); }},
    {QStringLiteral("wait-ShowBoxMessage"),
     [] { return waitBoxOf([](auto& b) { b.ShowBoxMessage(QString()); }); }},
    {QStringLiteral("wait-ShowBoxMessage-text"),
     [] {
         return waitBoxOf([](auto& b) {
             b.ShowBoxMessage(QString());
             b.ShowBoxMessage(QStringLiteral("ساخت جدول ليست انتخاب دام ها، لطفا صبر كنيد"));
         });
     }},
    {QStringLiteral("wait-ShowBigBoxMessage"),
     [] { return waitBoxOf([](auto& b) { b.ShowBigBoxMessage(QString()); }); }},
    {QStringLiteral("wait-ShowBoxMessageColor"),
     [] { return waitBoxOf([](auto& b) { b.ShowBoxMessageColor(QString(), 0xF0E0C8); }); }},
    {QStringLiteral("board-MessageBoardForm"), finishedBoard},
}};

} // namespace
