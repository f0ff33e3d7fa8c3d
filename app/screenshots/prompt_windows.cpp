// The prompts and the list picker, each as the toolkit puts it together, and the list picker
// once more with its list dropped down.
#include "app/screenshots/screenshot_registry.h"
#include "dataaccess/connection.h"
#include "dataaccess/query.h"
#include "toolkit/base/settings_tools.h"
#include "toolkit/base/tools_state.h"
#include "toolkit/boxes/message_boxes.h"
#include "toolkit/prompts/prompt_dialog.h"
#include "toolkit/prompts/prompts.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>

namespace {

/// Keeps the prompt an operation asks for instead of showing it.
class KeepingPresenter final : public platform::PromptPresenter {
public:
    platform::PromptAnswer present(const platform::PromptRequest& request) override
    {
        kept = request;
        return {platform::mrCancel, request.text};
    }
    platform::PromptRequest kept;
};

/// The request that ask makes of the prompts, the toolkit's statements running on farm.
platform::PromptRequest requestOf(const std::function<void(toolkit::Prompts&)>& ask,
                                  db::Connection* farm = nullptr)
{
    KeepingPresenter presenter;
    platform::setPromptPresenter(&presenter);
    toolkit::ServerSlot slot;
    slot.ServerConnection = farm;
    toolkit::MessageBoxes boxes;
    toolkit::SettingsTools settings;
    toolkit::Prompts prompts(slot, boxes, settings);
    ask(prompts);
    platform::setPromptPresenter(nullptr);
    return presenter.kept;
}

std::unique_ptr<QWidget> dialogOf(const std::function<void(toolkit::Prompts&)>& ask)
{
    return std::make_unique<toolkit::PromptDialog>(requestOf(ask));
}

/// The list picker over a small table of breeds in an embedded database of its own.
platform::PromptRequest breedPicker()
{
    QTemporaryDir server;
    db::Connection farm;
    farm.Server = QStringLiteral("sqlite:") + server.path();
    farm.Connect(); // "master", held in memory
    db::Query query(farm);
    query.setSQL(QStringLiteral("CREATE TABLE Breeds (Name nvarchar(50), Code int)"));
    query.ExecSQL();
    const QStringList breeds{QStringLiteral("هلشتاين"),   QStringLiteral("جرسي"),
                             QStringLiteral("سيمنتال"),   QStringLiteral("براون سوئيس"),
                             QStringLiteral("آيرشاير"),   QStringLiteral("دورگ"),
                             QStringLiteral("بومي سرابي")};
    query.setSQL(QStringLiteral("INSERT INTO Breeds (Name, Code) VALUES (:name, :code)"));
    for (int i = 0; i < breeds.size(); ++i) {
        query.ParamByName(QStringLiteral("name")).Value = breeds.at(i);
        query.ParamByName(QStringLiteral("code")).Value = i;
        query.ExecSQL();
    }
    return requestOf(
        [](toolkit::Prompts& p) {
            QString value = QStringLiteral("جرسي");
            p.SelectFromList(QStringLiteral("نژاد دام را انتخاب كنيد"),
                             QStringLiteral("SELECT Name FROM Breeds ORDER BY Code"), value);
        },
        &farm);
}

/// The list picker with its list dropped down under the input, as it stands on screen.
std::unique_ptr<QWidget> pickerDroppedDown()
{
    auto frame = std::make_unique<QWidget>();
    auto* dialog = new toolkit::PromptDialog(breedPicker(), frame.get());
    dialog->setWindowFlags(Qt::Widget);
    dialog->move(0, 0);
    dialog->show();
    const auto* input = qobject_cast<QComboBox*>(dialog->input());
    auto* list = new QListView(frame.get());
    list->setModel(input->model());
    list->setFont(dialog->font());
    list->setLayoutDirection(Qt::RightToLeft);
    list->setCurrentIndex(input->model()->index(input->currentIndex(), 0));
    const int rows = std::min(input->count(), input->maxVisibleItems());
    const int height = rows * list->sizeHintForRow(0) + 2 * list->frameWidth();
    const QRect below = input->geometry().translated(0, input->height());
    list->setGeometry(below.left(), below.top(), below.width(), height);
    frame->resize(dialog->width(), std::max(dialog->height(), below.top() + height));
    return frame;
}

const QString wrapping = QStringLiteral(
    "شماره بدن دامي را كه مي خواهيد به ليست انتخاب اضافه شود وارد كنيد. شماره بايد در گله موجود "
    "باشد و دام نبايد قبلا در ليست آمده باشد؛ براي دام هاي فروخته شده از گزارش حذف استفاده كنيد");

const screenshots::Registration promptWindows{{
    {QStringLiteral("prompt-InQuery"),
     [] {
         return dialogOf([](auto& p) {
             QString value = QStringLiteral("01234");
             p.InQuery(wrapping, value);
         });
     }},
    {QStringLiteral("prompt-InQueryEng"),
     [] {
         return dialogOf([](auto& p) {
             QString value = QStringLiteral("DemoFarm");
             p.InQueryEng(QStringLiteral("نام بانك اطلاعاتي را وارد كنيد"), value);
         });
     }},
    {QStringLiteral("prompt-PassInQuery"),
     [] {
         return dialogOf([](auto& p) {
             QString value = QStringLiteral("رمز1234");
             p.PassInQuery(QStringLiteral("رمز ورود را وارد كنيد"), value);
         });
     }},
    {QStringLiteral("prompt-InQueryCombo"),
     [] {
         return dialogOf([](auto& p) {
             QString value = QStringLiteral("گروه تازه زا");
             p.InQueryCombo(QStringLiteral("گروه دام ها را انتخاب كنيد"),
                            {QStringLiteral(".همه گروهها."), QStringLiteral("گروه تازه زا"),
                             QStringLiteral("گروه پر توليد"), QStringLiteral("گروه خشك")},
                            value);
         });
     }},
    {QStringLiteral("prompt-SelectFromList"),
     [] { return std::make_unique<toolkit::PromptDialog>(breedPicker()); }},
    {QStringLiteral("prompt-SelectFromList-open"), pickerDroppedDown},
}};

} // namespace
