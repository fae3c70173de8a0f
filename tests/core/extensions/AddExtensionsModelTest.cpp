#include "extensions/AddExtensionsModel.h"

#include "AppFixture.h"
#include "extensions/DialogExtensionRows.h"
#include "extensions/ExtensionNameChoice.h"

namespace mirn::test {
namespace {

using Ids = std::vector<std::wstring>;

class AddExtensionsModelTest : public AppFixture {};

TEST_F(AddExtensionsModelTest, FamilyModelAndCopyFromLists) {
  EXPECT_EQ(ProductFamilies(library()), (Ids{L"Corvane", L"Halden"}));
  const auto models = ProductModels(library(), L"Halden");
  ASSERT_EQ(models.size(), 2u);  // HX60 and HX61 share one description
  EXPECT_EQ(models[0].description, L"Halden 40 card");
  EXPECT_EQ(models[0].typeCode, L"HX40");
  EXPECT_EQ(models[1].description, L"Halden 60 set");

  Add(L"20", L"HX40", L"Zed");
  Add(L"3", L"HX40");
  Add(L"9", L"HX60");
  const auto entries = CopyFromEntries(*db, L"HX40");
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].text, L"No Template");
  EXPECT_EQ(entries[0].id, L"");
  EXPECT_EQ(entries[1].text, L"3");
  EXPECT_EQ(entries[2].text, L"20 (Zed)");
  EXPECT_EQ(entries[2].id, L"20");
}

TEST_F(AddExtensionsModelTest, InitialChoice) {
  EXPECT_EQ(InitialAddChoice(library(), profile, L"").family, L"Corvane");
  profile.WriteString(L"Preferences", L"Default Manufacturer", L"Halden");
  EXPECT_EQ(InitialAddChoice(library(), profile, L"").family, L"Halden");
  const auto fromSelection = InitialAddChoice(library(), profile, L"cv9");
  EXPECT_EQ(fromSelection.family, L"Corvane");
  EXPECT_EQ(fromSelection.typeCode, L"CV9");
  EXPECT_EQ(InitialAddChoice(library(), profile, L"UNKNOWN").family, L"Halden");
}

TEST_F(AddExtensionsModelTest, AcceptRunsBothPassesAndTheWizard) {
  std::vector<std::wstring> names;
  AddExtensionsRequest request;
  AddDialogInput input{L"1-3", L"  Desk  ", false, L"Halden", L"HX40", L""};
  ASSERT_EQ(AcceptAddDialog(input, {}, {}, profile, names, request), AddDialogOutcome::kAccepted);
  EXPECT_EQ(request.ids, (Ids{L"1", L"2", L"3"}));
  EXPECT_EQ(request.names, (Ids{L"Desk", L"Desk", L"Desk"}));
  EXPECT_EQ(profile.GetString(L"Preferences", L"Default Manufacturer", L""), L"Halden");

  // A cancelled range warning keeps the dialog open; no IDs closes it as cancelled.
  input.idText = L"1-30";
  EXPECT_EQ(AcceptAddDialog(input, [](const std::wstring&, long long) { return RangeChoice::kCancel; }, {},
                            profile, names, request),
            AddDialogOutcome::kStayOpen);
  input.idText = L" , ";
  EXPECT_EQ(AcceptAddDialog(input, {}, {}, profile, names, request), AddDialogOutcome::kCancelled);

  input.idText = L"7, 8";
  input.differentNames = true;
  names = {L"x", L"y"};
  std::vector<std::wstring> seen;
  const NameWizardRunner cancel = [&](const Ids&, const Ids& before) {
    seen = before;
    return std::optional<Ids>();
  };
  EXPECT_EQ(AcceptAddDialog(input, {}, cancel, profile, names, request), AddDialogOutcome::kStayOpen);
  EXPECT_EQ(seen, (Ids{L"x", L"y"}));
  EXPECT_TRUE(names.empty());
  const NameWizardRunner name = [](const Ids& ids, const Ids&) {
    Ids out;
    for (const auto& id : ids) out.push_back(L"Name " + id);
    return std::optional<Ids>(out);
  };
  ASSERT_EQ(AcceptAddDialog(input, {}, name, profile, names, request), AddDialogOutcome::kAccepted);
  EXPECT_EQ(request.names, (Ids{L"Name 7", L"Name 8"}));
}

TEST_F(AddExtensionsModelTest, WarningTexts) {
  EXPECT_EQ(CreateAllRangeText(30), L"&Yes, create all 30 extensions!");
  EXPECT_EQ(CreateOneRangeText(L"1-30"), L"&No, just create one extension with ID: \"1-30\"");
}

TEST_F(AddExtensionsModelTest, DialogListModelTicksAndSorts) {
  Add(L"10", L"HX40", L"b");
  Add(L"9", L"QQ", L"a");
  Add(L"100", L"CV9", L"c");
  DialogExtensionRows list(*db, library());
  EXPECT_TRUE(list.AddRow(L"10", false));
  EXPECT_FALSE(list.AddRow(L"9", false));
  EXPECT_FALSE(list.AddRow(L"missing", true));
  EXPECT_TRUE(list.AddRow(L"9", true));
  EXPECT_TRUE(list.AddRow(L"100", true));
  EXPECT_EQ(list.Text(0, DialogExtensionRows::kModel), L"Halden 40 card");
  EXPECT_EQ(list.Text(1, DialogExtensionRows::kModel), L"(unknown)");
  EXPECT_EQ(list.SortColumn(), -1);
  list.SortByHeader(DialogExtensionRows::kId);
  EXPECT_EQ(list.Id(0), L"9");
  EXPECT_EQ(list.Id(2), L"100");
  list.SortByHeader(DialogExtensionRows::kModel);
  EXPECT_EQ(list.Id(0), L"9");   // "(unknown)"
  EXPECT_EQ(list.Id(1), L"100");  // "Corvane …"
  list.SortByHeader(DialogExtensionRows::kName);
  list.SortByHeader(DialogExtensionRows::kName);
  EXPECT_EQ(list.Id(0), L"100");

  list.TickIds({L"9", L"10", L"not a row"});
  EXPECT_EQ(list.TickedIds(), (std::set<std::wstring>{L"10", L"9"}));
  list.ToggleTick(list.FindRow(L"9"));
  EXPECT_EQ(list.TickedIds(), std::set<std::wstring>{L"10"});
  list.TickAll();
  EXPECT_EQ(list.TickedIds().size(), 3u);
  list.TickNone();
  EXPECT_TRUE(list.TickedIds().empty());
  EXPECT_EQ(list.SelectIds({L"10"}), list.FindRow(L"10"));
  EXPECT_EQ(list.SelectIds({L"10", L"9"}), -1);
  EXPECT_EQ(list.SelectedIds().size(), 2u);
}

TEST_F(AddExtensionsModelTest, InsertExtensionNameLinesAndStyles) {
  Add(L"10", L"HX40", L"Ten");
  Add(L"9", L"HX40", L"Nine");
  const auto lines = ExtensionNameLines(*db);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].text, L"9\tNine");
  EXPECT_EQ(LoadNameCodeStyle(profile), 0);
  EXPECT_EQ(AcceptExtensionName(profile, lines, 1, 1).value(), L"Ext. 10\r\n{Name:10}");
  EXPECT_EQ(LoadNameCodeStyle(profile), 1);
  EXPECT_EQ(AcceptExtensionName(profile, lines, 0, 0).value(), L"{Name:9}");
  EXPECT_EQ(AcceptExtensionName(profile, lines, 0, 2).value(), L"{Name:9}\r\nExt. 9");
  EXPECT_FALSE(AcceptExtensionName(profile, lines, -1, 2).has_value());
  EXPECT_EQ(LoadNameCodeStyle(profile), 2);
  profile.WriteInt(L"Preferences", L"Insert Name Code Style", 7);
  EXPECT_EQ(LoadNameCodeStyle(profile), 0);
}

}  // namespace
}  // namespace mirn::test
