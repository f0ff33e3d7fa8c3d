// The version report of the information table on the message board, and a small data-entry form
// of the template controls filled from its form template.
#include "app/screenshots/screenshot_registry.h"
#include "dataaccess/connection.h"
#include "dataaccess/query.h"
#include "platform/text_file.h"
#include "toolkit/base/tools_state.h"
#include "toolkit/boxes/message_boxes.h"
#include "toolkit/db/information_table.h"
#include "toolkit/dialogs/dialog_font.h"
#include "toolkit/dialogs/message_board_form.h"
#include "toolkit/templates/form_templates.h"
#include "toolkit/templates/template_controls.h"

#include <QDir>
#include <QFile>
#include <QFormLayout>
#include <QLabel>
#include <QTemporaryDir>

namespace {

/// The version section of a farm's information table, on a database made for the picture.
std::unique_ptr<QWidget> versionReport()
{
    auto board = std::make_unique<toolkit::TMessageBoardForm>([] {});
    QTemporaryDir folder;
    QFile(folder.filePath("Farm.db")).open(QIODevice::WriteOnly); // an empty database
    db::Connection farm;
    farm.Server = "sqlite:" + folder.path();
    farm.Database = "Farm";
    farm.Connect();
    db::Query query(farm);
    query.setSQL(QStringLiteral(
        "CREATE TABLE Dbo.Info (GroupSec nvarchar(50), KeyName nvarchar(50), KeyValue "
        "sql_variant, Discription nvarchar(255));"
        "INSERT INTO Dbo.Info VALUES ('Version', N'نسخه برنامه', '1.4.2', NULL), "
        "('Version', N'نسخه بانك اطلاعات', '0012', NULL), "
        "('Version', N'تاريخ بروز رساني', '1403/09/19', NULL), "
        "('Version', N'تغييرات', N'جدول پروتكل هاي درماني و ستون هاي نمره بدني به بانك اطلاعات "
        "اضافه شد و گزارش ليست انتخاب دام ها با ستون هاي تازه هماهنگ شد', NULL), "
        "('DEFAULT', 'FarmName', N'گاوداري نمونه', NULL)"));
    query.ExecSQL();
    toolkit::ServerSlot slot;
    slot.ServerConnection = &farm;
    toolkit::MessageBoxes boxes;
    toolkit::InformationTable(slot, boxes, *board).VersionShow();
    return board;
}

/// A form of the cow register, its last entries restored from "ini/CowForm.Ini".
std::unique_ptr<QWidget> templateForm()
{
    auto form = std::make_unique<QWidget>();
    form->setObjectName("CowForm");
    form->setLayoutDirection(Qt::RightToLeft);
    form->setFont(toolkit::dialogFont(9));
    form->resize(360, 260);
    auto* layout = new QFormLayout(form.get());
    auto* body = new toolkit::TDBEdit(form.get());
    body->setObjectName("BodyEdit");
    auto* breed = new toolkit::TDBComboBox(form.get());
    breed->setObjectName("BreedCombo");
    breed->addItems({QStringLiteral("هلشتاين"), QStringLiteral("جرسي"), QStringLiteral("بومي")});
    auto* sex = new toolkit::TDBRadioGroup(form.get());
    sex->setObjectName("SexGroup");
    sex->setTitle(QStringLiteral("جنس"));
    sex->setItems({QStringLiteral("ماده"), QStringLiteral("نر")});
    auto* pregnant = new toolkit::TDBCheckBox(form.get());
    pregnant->setObjectName("PregnantCheck");
    pregnant->setText(QStringLiteral("آبستن"));
    layout->addRow(QStringLiteral("شماره بدن"), body);
    layout->addRow(QStringLiteral("نژاد"), breed);
    layout->addRow(sex);
    layout->addRow(pregnant);

    QTemporaryDir program;
    QDir(program.path()).mkdir("ini");
    platform::writeTextFile(program.filePath("ini/CowForm.Ini"),
                            {"TDBEdit~BodyEdit~00123",
                             QStringLiteral("TDBComboBox~BreedCombo~جرسي"),
                             "TDBRadioGroup~SexGroup~0", "TDBCheckBox~PregnantCheck~-1"});
    toolkit::ProgramPlace place;
    place.AppPath = program.path() + '/';
    toolkit::FormTemplates(place).LoadDef(*form);
    return form;
}

const screenshots::Registration templateWindows{{
    {QStringLiteral("toolkitdb-VersionShow"), versionReport},
    {QStringLiteral("templates-CowForm"), templateForm},
}};

} // namespace
