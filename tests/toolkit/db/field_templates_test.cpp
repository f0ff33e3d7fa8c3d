// Field templates kept in the command store, applied to and read from a real table dataset.
#include "dataaccess/table.h"
#include "stores_fixture.h"
#include "toolkit/db/field_templates.h"

namespace {

using namespace toolkit_db_testing;

class FieldTemplatesTest : public StoresTest {
protected:
    FieldTemplatesTest()
    {
        run(farm, "CREATE TABLE Cows (Serial int NULL, Name nvarchar(40) NULL, Weight float NULL, "
                  "Note nvarchar(100) NULL, Pregnant bit NULL)");
        cows.Open();
        cows.Insert();
    }
    QString field(const char* name) { return cows.FieldByName(name).AsString(); }
    QStringList stored() { return store.SQlCmdReadOneWriteStringList("ini", "CowForm"); }

    db::Table cows{farm, "Cows"};
    toolkit::FieldTemplates templates{state, store};
};

TEST_F(FieldTemplatesTest, LoadSetsTheNamedFieldsAndSkipsComments)
{
    ASSERT_TRUE(store.SQlCmdWriteStringList(
        "ini", "CowForm",
        {"// defaults of the cow form", "  serial~12  ", "", "   // Name~ignored",
         QStringLiteral("NAME~گاو ~ شماره ~ 2"), "Weight ~ 99", "Missing~1", "no separator",
         "Pregnant~True", "Note~"}));
    templates.LoadDefField(cows, "CowForm");
    EXPECT_TRUE(state.LastINIFound);
    EXPECT_EQ(field("Serial"), "12");
    EXPECT_EQ(field("Name"), QStringLiteral("گاو ~ شماره ~ 2"));
    EXPECT_TRUE(cows.FieldByName("Weight").IsNull()); // "Weight " names no field
    EXPECT_EQ(field("Pregnant"), "1");
    EXPECT_EQ(field("Note"), "");
    EXPECT_FALSE(cows.FieldByName("Note").IsNull());
}

TEST_F(FieldTemplatesTest, AMissingOrEmptyTemplateSetsNothingAndIsNotSavedBack)
{
    state.LastINIFound = true;
    templates.LoadDefField(cows, "CowForm");
    EXPECT_FALSE(state.LastINIFound);
    cows.FieldByName("Serial").setAsString("5");
    ASSERT_TRUE(store.SQlCmdWriteStringList("ini", "CowForm", {}));
    templates.LoadDefField(cows, "CowForm");
    EXPECT_FALSE(state.LastINIFound);
    EXPECT_EQ(field("Serial"), "5");

    ASSERT_TRUE(store.SQlCmdWriteStringList("ini", "Other", {"Serial~1"}));
    templates.SaveDefField(cows, "Other"); // LastINIFound is off: nothing is stored
    EXPECT_EQ(store.SQlCmdReadOneWriteStringList("ini", "Other"), QStringList{"Serial~1"});
}

TEST_F(FieldTemplatesTest, AValueAFieldCannotTakeStopsTheLoad)
{
    ASSERT_TRUE(store.SQlCmdWriteStringList("ini", "CowForm",
                                            {"Name~first", "Serial~twelve", "Note~after"}));
    EXPECT_THROW(templates.LoadDefField(cows, "CowForm"), db::DbError);
    EXPECT_EQ(field("Name"), "first");
    EXPECT_TRUE(cows.FieldByName("Note").IsNull());
}

TEST_F(FieldTemplatesTest, SaveWritesTheRecordsValuesBackWithoutComments)
{
    ASSERT_TRUE(store.SQlCmdWriteStringList(
        "ini", "CowForm",
        {"// the cow form", "Serial~1", "  name ~old~er  ", "", "Weight~", "Pregnant~0"}));
    templates.LoadDefField(cows, "CowForm");
    cows.FieldByName("Name").setAsString(QStringLiteral("گاو ~ ما"));
    cows.FieldByName("Weight").setAsString("512.5");
    cows.FieldByName("Pregnant").setAsString("true");
    templates.SaveDefField(cows, "CowForm");
    EXPECT_EQ(stored(), (QStringList{"Serial~1", QStringLiteral("name ~گاو ~ ما"), "Weight~512.5",
                                     "Pregnant~1"}));
}

TEST_F(FieldTemplatesTest, ALineNamingNoFieldStopsTheSaveAndWritesNothing)
{
    const QStringList lines{"Serial~1", "Missing~2"};
    ASSERT_TRUE(store.SQlCmdWriteStringList("ini", "CowForm", lines));
    templates.LoadDefField(cows, "CowForm");
    cows.FieldByName("Serial").setAsString("9");
    EXPECT_THROW(templates.SaveDefField(cows, "CowForm"), db::DbError);
    EXPECT_EQ(stored(), lines);

    ASSERT_TRUE(store.SQlCmdWriteStringList("ini", "CowForm", {"Serial~1", "no separator"}));
    EXPECT_THROW(templates.SaveDefField(cows, "CowForm"), db::DbError);
}

TEST_F(FieldTemplatesTest, AStoreThatRefusesTheTemplateIsAnError)
{
    ASSERT_TRUE(store.SQlCmdWriteStringList("ini", "CowForm", {"Note~x"}));
    templates.LoadDefField(cows, "CowForm");
    cows.FieldByName("Note").setAsString("refused"); // the store's check refuses "Note~refused"
    EXPECT_THROW(templates.SaveDefField(cows, "CowForm"), db::DbError);
    EXPECT_EQ(stored(), QStringList{"Note~x"});
}

} // namespace
