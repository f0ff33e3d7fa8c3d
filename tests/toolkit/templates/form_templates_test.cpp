// Form templates on real widgets: files read and written through the text-file layer in a
// temporary program folder.
#include "platform/error.h"
#include "platform/text_file.h"
#include "toolkit/base/tools_state.h"
#include "toolkit/templates/form_templates.h"
#include "toolkit/templates/template_controls.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <ostream>

namespace {

/// A small cow form: one control of each kind, a label, an unnamed label and a spin box (whose
/// inner edit is Qt's own child).
class CowForm : public QWidget {
public:
    CowForm()
    {
        setObjectName("CowForm");
        auto* layout = new QVBoxLayout(this);
        label = add<QLabel>("Label1");
        new QLabel(QStringLiteral("بدون نام"), this);
        edit = add<toolkit::TDBEdit>("DBEdit12");
        breed = add<toolkit::TDBComboBox>("Breed");
        breed->addItems({"Holstein", QStringLiteral("بومي"), "Jersey"});
        sex = add<toolkit::TDBRadioGroup>("Sex");
        sex->setItems({QStringLiteral("ماده"), QStringLiteral("نر")});
        shift = add<toolkit::TRadioGroup>("Shift");
        shift->setItems({"1", "2", "3"});
        pregnant = add<toolkit::TDBCheckBox>("Pregnant");
        add<QSpinBox>("Lactation");
        for (QWidget* widget : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            layout->addWidget(widget);
    }
    template <typename W> W* add(const char* name)
    {
        auto* widget = new W(this);
        widget->setObjectName(name);
        return widget;
    }

    QLabel* label;
    toolkit::TDBEdit* edit;
    toolkit::TDBComboBox* breed;
    toolkit::TDBRadioGroup* sex;
    toolkit::TRadioGroup* shift;
    toolkit::TDBCheckBox* pregnant;
};

class FormTemplatesTest : public testing::Test {
protected:
    FormTemplatesTest()
    {
        state.AppPath = dir.path() + '/';
        QDir(dir.path()).mkdir("ini");
    }
    QString file(const QString& name) const { return dir.path() + "/ini/" + name; }
    void writeTemplate(const QStringList& lines)
    {
        platform::writeTextFile(file("CowForm.Ini"), lines);
    }

    QTemporaryDir dir;
    toolkit::ToolsState state;
    toolkit::FormTemplates templates{state};
    CowForm form;
};

TEST_F(FormTemplatesTest, LoadFillsEachKindOfControl)
{
    writeTemplate({"TDBEdit~DBEdit12~5", "tdbcombobox~breed~JERSEY", "TDBRadioGroup~Sex~1",
                   "TRadioGroup~Shift~2", "TDBCheckBox~Pregnant~-1", "TLabel~Label1~ignored",
                   "TDBEdit~NotOnTheForm~x", "", "junk"});
    templates.LoadDef(form);
    EXPECT_EQ(form.edit->text(), "5");
    EXPECT_EQ(form.breed->currentText(), "Jersey");
    EXPECT_EQ(form.sex->ItemIndex(), 1);
    EXPECT_EQ(form.shift->ItemIndex(), 2);
    EXPECT_TRUE(form.pregnant->isChecked());
    EXPECT_EQ(form.label->text(), "");
}

struct LoadCase {
    const char* name;
    QString line;
    QString edit;
    int breed;
    int sex;
    bool pregnant;
};

/// The case's name, in test listings.
void PrintTo(const LoadCase& c, std::ostream* os)
{
    *os << c.name;
}

class LoadLines : public FormTemplatesTest, public testing::WithParamInterface<LoadCase> {};

TEST_P(LoadLines, SetTheControlAsTheLineSays)
{
    form.edit->setText("before");
    form.breed->setCurrentIndex(0);
    form.sex->setItemIndex(0);
    form.pregnant->setChecked(true);
    writeTemplate({GetParam().line});
    templates.LoadDef(form);
    EXPECT_EQ(form.edit->text(), GetParam().edit);
    EXPECT_EQ(form.breed->currentIndex(), GetParam().breed);
    EXPECT_EQ(form.sex->ItemIndex(), GetParam().sex);
    EXPECT_EQ(form.pregnant->isChecked(), GetParam().pregnant);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LoadLines,
    testing::Values(
        LoadCase{"valueWithSeparators", "TDBEdit~DBEdit12~a~b~", "a~b~", 0, 0, true},
        LoadCase{"noSecondSeparator", "TDBEdit~DBEdit12", "", 0, 0, true},
        LoadCase{"nameInAnyCase", "TDBEDIT~dbedit12~x", "x", 0, 0, true},
        LoadCase{"classWithBlankIsNoKey", "TDBEdit ~DBEdit12~x", "before", 0, 0, true},
        LoadCase{"persianValue", QStringLiteral("TDBEdit~DBEdit12~گاو شيرده"),
                 QStringLiteral("گاو شيرده"), 0, 0, true},
        LoadCase{"comboItemMissing", "TDBComboBox~Breed~Angus", "before", -1, 0, true},
        LoadCase{"comboPersianItem", QStringLiteral("TDBComboBox~Breed~بومي"), "before", 1, 0,
                 true},
        LoadCase{"radioOutOfRange", "TDBRadioGroup~Sex~7", "before", 0, -1, true},
        LoadCase{"radioNotANumber", "TDBRadioGroup~Sex~one", "before", 0, -1, true},
        LoadCase{"radioNone", "TDBRadioGroup~Sex~-1", "before", 0, -1, true},
        LoadCase{"checkOne", "TDBCheckBox~Pregnant~1", "before", 0, 0, true},
        LoadCase{"checkTrue", "TDBCheckBox~Pregnant~True", "before", 0, 0, true},
        LoadCase{"checkZero", "TDBCheckBox~Pregnant~0", "before", 0, 0, false},
        LoadCase{"checkEmpty", "TDBCheckBox~Pregnant~", "before", 0, 0, false},
        LoadCase{"checkFalse", "TDBCheckBox~Pregnant~False", "before", 0, 0, false},
        LoadCase{"checkUnreadable", "TDBCheckBox~Pregnant~maybe", "before", 0, 0, false},
        // A class naming another kind of control than the one of that name changes nothing.
        LoadCase{"editLineOnACombo", "TDBEdit~Breed~Jersey", "before", 0, 0, true},
        LoadCase{"checkLineOnAnEdit", "TDBCheckBox~DBEdit12~0", "before", 0, 0, true}),
    [](const testing::TestParamInfo<LoadCase>& info) { return std::string(info.param.name); });

// Folders copied from Windows say "INI" and ".ini"; the values go back into the file found.
TEST_F(FormTemplatesTest, FolderAndFileAreFoundInAnyLetterCaseAndWrittenBackInPlace)
{
    QDir(dir.path()).rmdir("ini");
    QDir(dir.path()).mkdir("INI");
    const QString path = dir.path() + "/INI/COWFORM.ini";
    QFile utf8(path);
    ASSERT_TRUE(utf8.open(QIODevice::WriteOnly));
    utf8.write(
        "\xEF\xBB\xBFTDBEdit~DBEdit12~\xDA\xAF\xD8\xA7\xD9\x88\r\nTDBCheckBox~Pregnant~0\r\n");
    utf8.close();
    templates.LoadDef(form);
    EXPECT_EQ(form.edit->text(), QStringLiteral("گاو"));

    form.pregnant->setChecked(true);
    templates.SaveDef(form);
    EXPECT_EQ(QDir(dir.path() + "/INI").entryList(QDir::Files), QStringList{"COWFORM.ini"});
    EXPECT_EQ(platform::readTextLines(path),
              (QStringList{QStringLiteral("TDBEdit~DBEdit12~گاو"), "TDBCheckBox~Pregnant~-1"}));
}

TEST_F(FormTemplatesTest, SaveWritesCurrentValuesAndKeepsWhatItCannotUpdate)
{
    writeTemplate({"tdbedit~DBEdit12~old", "TDBComboBox~Breed~", "TDBRadioGroup~Sex~",
                   "TRadioGroup~Shift~0", "TDBCheckBox~Pregnant~-1", "   ", "TLabel~Label1~keep",
                   "TDBEdit~Gone~kept", "TEdit~Breed~7", "no separator", "", "TDBEdit~DBEdit12"});
    form.edit->setText(QStringLiteral("گاو ~ 5"));
    form.breed->setCurrentIndex(2);
    form.sex->setItemIndex(-1);
    form.shift->setItemIndex(1);
    form.pregnant->setChecked(false);
    templates.SaveDef(form);
    const QStringList expected{QStringLiteral("TDBEdit~DBEdit12~گاو ~ 5"),
                               "TDBComboBox~Breed~Jersey",
                               "TDBRadioGroup~Sex~-1",
                               "TRadioGroup~Shift~1",
                               "TDBCheckBox~Pregnant~0",
                               "TLabel~Label1~keep",
                               "TDBEdit~Gone~kept",
                               "TDBComboBox~Breed~7",
                               "no separator",
                               QStringLiteral("TDBEdit~DBEdit12~گاو ~ 5")};
    EXPECT_EQ(platform::readTextLines(file("CowForm.Ini")), expected);
    // The system's own text file: code page, no byte-order mark, CR LF after every line.
    QFile written(file("CowForm.Ini"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    EXPECT_TRUE(bytes.startsWith("TDBEdit~DBEdit12~\x90\xC7\xE6 ~ 5\r\n"));
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), expected.size());
}

TEST_F(FormTemplatesTest, WithoutAFileNothingIsLoadedOrCreated)
{
    form.edit->setText("typed");
    templates.LoadDef(form);
    templates.SaveDef(form);
    EXPECT_EQ(form.edit->text(), "typed");
    EXPECT_TRUE(QDir(dir.path() + "/ini").isEmpty());
    QDir(dir.path()).rmdir("ini");
    templates.LoadDef(form);
    templates.SaveDef(form);
    EXPECT_FALSE(QDir(dir.path() + "/ini").exists());
}

TEST_F(FormTemplatesTest, StarterFileListsTheNamedComponentsInOrder)
{
    templates.SaveTempleateForDef(form);
    EXPECT_EQ(platform::readTextLines(file("1CowForm.Ini")),
              (QStringList{"QLabel~Label1~ ", "TDBEdit~DBEdit12~ ", "TDBComboBox~Breed~ ",
                           "TDBRadioGroup~Sex~ ", "TRadioGroup~Shift~ ", "TDBCheckBox~Pregnant~ ",
                           "QSpinBox~Lactation~ "}));
    EXPECT_FALSE(QFile::exists(file("CowForm.Ini")));

    // The developer keeps the lines wanted; loading the kept file changes nothing yet.
    platform::writeTextFile(file("CowForm.Ini"), {"TDBEdit~DBEdit12~ "});
    templates.LoadDef(form);
    EXPECT_EQ(form.edit->text(), " ");
}

TEST_F(FormTemplatesTest, StarterFileNeedsTheIniFolder)
{
    QDir(dir.path()).rmdir("ini");
    EXPECT_THROW(templates.SaveTempleateForDef(form), platform::Error);
    EXPECT_FALSE(QDir(dir.path() + "/ini").exists());
}

TEST(TemplateControls, RadioGroupChoosesOneOrNone)
{
    toolkit::TRadioGroup group;
    group.setItems({"a", "b"});
    EXPECT_EQ(group.ItemIndex(), -1);
    group.setItemIndex(1);
    EXPECT_EQ(group.ItemIndex(), 1);
    group.setItemIndex(2);
    EXPECT_EQ(group.ItemIndex(), -1);
    group.setItemIndex(0);
    group.setItems({"x", "y", "z"});
    EXPECT_EQ(group.ItemIndex(), -1);
    EXPECT_EQ(group.Items(), (QStringList{"x", "y", "z"}));
}

} // namespace
