#include "ErrorNumber.h"

#include <kiv/ConfigFile.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

using kiv::ConfigFile;

namespace {

ConfigFile storeWith(const std::string& getAll) {
    ConfigFile store;
    store.WriteAll(getAll);
    return store;
}

class RecordingList : public kiv::ListSink {
public:
    void AddItem(const std::string& text) override { items.push_back(text); }
    std::vector<std::string> items;
};

} // namespace

TEST(SetBuilding, CountAddThenItemAddAppends) {
    ConfigFile store;
    store.WriteValue("Count", "0");
    for (const char* item : {"one", "two", "three"}) {
        store.SetCountAdd("Count");
        store.SetItemAdd("Count", "Item", item);
    }
    EXPECT_EQ(store.GetAll(), "Count=3\r\nItem1=one\r\nItem2=two\r\nItem3=three");
}

TEST(SetBuilding, ItemAddWithoutCountAddOverwritesLastItem) {
    ConfigFile store = storeWith("Count=0");
    store.SetItemAdd("Count", "Item", "outside");
    EXPECT_EQ(store.GetValue("Item0"), "outside");
    store.WriteValue("Count", "2");
    store.SetItemAdd("Count", "Item", "last");
    EXPECT_EQ(store.GetValue("Item2"), "last");
}

struct CountText {
    std::string text;
    int error; // 0: accepted
    std::string afterAdd;

    friend void PrintTo(const CountText& c, std::ostream* os) { *os << '"' << c.text << '"'; }
};

class CountParsing : public testing::TestWithParam<CountText> {};

TEST_P(CountParsing, AcceptsOnlySignedDecimalIntegers) {
    ConfigFile store;
    store.WriteValue("Count", GetParam().text);
    EXPECT_EQ(errorNumberOf([&] { store.SetCountAdd("Count"); }), GetParam().error);
    EXPECT_EQ(store.GetValue("Count"), GetParam().afterAdd);
}

INSTANTIATE_TEST_SUITE_P(Texts, CountParsing,
                         testing::Values(CountText{"0", 0, "1"}, CountText{"-1", 0, "0"},
                                         CountText{"+5", 0, "6"}, CountText{"007", 0, "8"},
                                         CountText{"2147483646", 0, "2147483647"},
                                         CountText{"2147483647", 6, "2147483647"},
                                         CountText{"99999999999", 6, "99999999999"},
                                         CountText{"", 13, ""}, CountText{"abc", 13, "abc"},
                                         CountText{"1.5", 13, "1.5"}, CountText{" 1", 13, " 1"},
                                         CountText{"1 ", 13, "1 "}, CountText{"--1", 13, "--1"},
                                         CountText{"+", 13, "+"}, CountText{"0x10", 13, "0x10"}));

TEST(SetBuilding, OperationsReadingTheCountFailOnMissingSet) {
    ConfigFile store;
    RecordingList list;
    const std::vector<std::function<void()>> operations = {
        [&] { store.SetCountAdd("Nope"); },
        [&] { store.SetCountSub("Nope"); },
        [&] { store.SetItemAdd("Nope", "I", "v"); },
        [&] { store.SetCheckDup("Nope", "I", "v"); },
        [&] { store.SetItemDel("Nope", "I", 1); },
        [&] { store.SetCopy("Nope", "I", "New", "J"); },
        [&] { store.SetDel("Nope", "I"); },
        [&] { store.Set2List(list, "Nope", "I"); },
    };
    for (const auto& operation : operations)
        EXPECT_EQ(errorNumberOf(operation), 13);
    EXPECT_EQ(store.LastSlot(), -1);
}

TEST(SetBuilding, CountSubGoesBelowZeroButNotPastTheRange) {
    ConfigFile store = storeWith("Count=0");
    store.SetCountSub("Count");
    EXPECT_EQ(store.GetValue("Count"), "-1");

    store.WriteValue("Count", "-2147483648");
    EXPECT_EQ(errorNumberOf([&] { store.SetCountSub("Count"); }), 6);
    EXPECT_EQ(store.GetValue("Count"), "-2147483648");
}

TEST(SetCheckDup, FindsFirstMatchingItem) {
    ConfigFile store = storeWith("C=3\r\nI1=mario\r\nI2=luigi\r\nI3=luigi");
    EXPECT_EQ(store.SetCheckDup("C", "I", "luigi"), 2);
    EXPECT_EQ(store.SetCheckDup("C", "I", "LUIGI"), 0);
    EXPECT_EQ(store.SetCheckDup("C", "I", "peach"), 0);
}

TEST(SetCheckDup, UseCapsUpperCasesOnlyTheItem) {
    ConfigFile store = storeWith("C=2\r\nI1=mario\r\nI2=\xC3\xA9mile \xC3\xBF\xC3\xB7");
    EXPECT_EQ(store.SetCheckDup("C", "I", "MARIO", true), 1);
    EXPECT_EQ(store.SetCheckDup("C", "I", "mario", true), 0);
    EXPECT_EQ(store.SetCheckDup("C", "I", "\xC3\x89MILE \xC5\xB8\xC3\xB7", true), 2);
}

TEST(SetCheckDup, EmptyOrNegativeSetFindsNothing) {
    ConfigFile store = storeWith("C=0\r\nN=-4\r\nI1=x\r\nI0=x");
    EXPECT_EQ(store.SetCheckDup("C", "I", "x"), 0);
    EXPECT_EQ(store.SetCheckDup("N", "I", "x"), 0);
}

TEST(SetCheckDup, MissingItemReadsAsNotFound) {
    ConfigFile store = storeWith("C=2\r\nI1=x");
    EXPECT_EQ(store.SetCheckDup("C", "I", "[NOT FOUND]"), 2);
}

TEST(SetItems, EditWritesItemWithoutReadingCount) {
    ConfigFile store;
    store.SetItemEdit("I", 4, "four");
    EXPECT_EQ(store.GetAll(), "I4=four");
}

TEST(SetItems, UpAndDownSwapNeighbours) {
    ConfigFile store = storeWith("C=3\r\nI1=a\r\nI2=b\r\nI3=c");
    store.SetItemUp("I", 3);
    EXPECT_EQ(store.GetAll(), "C=3\r\nI1=a\r\nI2=c\r\nI3=b");
    store.SetItemDown("I", 1);
    EXPECT_EQ(store.GetAll(), "C=3\r\nI1=c\r\nI2=a\r\nI3=b");
}

TEST(SetItems, UpAndDownPastTheEndsCreateOutsideItems) {
    ConfigFile store = storeWith("C=2\r\nI1=a\r\nI2=b");
    store.SetItemUp("I", 1);
    EXPECT_EQ(store.GetValue("I0"), "a");
    EXPECT_EQ(store.GetValue("I1"), "[NOT FOUND]");
    store.SetItemDown("I", 2);
    EXPECT_EQ(store.GetValue("I3"), "b");
    EXPECT_EQ(store.GetValue("I2"), "[NOT FOUND]");
}

TEST(SetItems, CountSubThenItemDelClosesTheGap) {
    ConfigFile store = storeWith("C=3\r\nI1=a\r\nI2=b\r\nI3=c");
    store.SetCountSub("C");
    store.SetItemDel("C", "I", 2);
    EXPECT_EQ(store.GetValue("C"), "2");
    EXPECT_EQ(store.GetValue("I1"), "a");
    EXPECT_EQ(store.GetValue("I2"), "c");
    EXPECT_EQ(store.GetValue("I3"), "[NOT FOUND]");
}

TEST(SetItems, ItemDelWithoutCountSubLeavesNotFoundAtTheEnd) {
    ConfigFile store = storeWith("C=2\r\nI1=a\r\nI2=b");
    store.SetItemDel("C", "I", 1);
    EXPECT_EQ(store.GetValue("I1"), "b");
    EXPECT_EQ(store.GetValue("I2"), "[NOT FOUND]");
    EXPECT_EQ(store.GetValue("I3"), "[NOT FOUND]");
}

TEST(SetItems, ItemDelOnlyDeletesWhenCountIsZeroOrPosBeyondIt) {
    ConfigFile store = storeWith("C=0\r\nI1=a\r\nI2=b");
    store.SetItemDel("C", "I", 1);
    EXPECT_EQ(store.GetAll(), "C=0\r\nI2=b");

    store = storeWith("C=1\r\nI1=a\r\nI5=e\r\nI6=f");
    store.SetItemDel("C", "I", 5);
    EXPECT_EQ(store.GetAll(), "C=1\r\nI1=a\r\nI6=f");
}

struct SplitCase {
    const char* name;
    std::string text;
    int16_t length;
    std::vector<std::string> items;

    friend void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }
};

class SetSplitPieces : public testing::TestWithParam<SplitCase> {};

TEST_P(SetSplitPieces, CutsByCharactersAndEscapes) {
    ConfigFile store;
    store.SetSplit("C", "I", GetParam().text, GetParam().length);
    const auto& items = GetParam().items;
    EXPECT_EQ(store.GetValue("C"), std::to_string(items.size()));
    for (std::size_t i = 0; i < items.size(); ++i)
        EXPECT_EQ(store.GetValue(std::string("I").append(std::to_string(i + 1))), items[i]) << i;
    EXPECT_EQ(store.LastSlot(), static_cast<int32_t>(items.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SetSplitPieces,
    testing::Values(SplitCase{"TenByFour", "0123456789", 4, {"0123", "4567", "89"}},
                    SplitCase{"Empty", "", 4, {}}, SplitCase{"LengthZero", "abc", 0, {}},
                    SplitCase{"LengthNegative", "abc", -3, {}},
                    SplitCase{"MultiByteCharacters",
                              "\xC3\xA9\xC3\xA9\xE2\x82\xAC\xC3\xA9x",
                              2,
                              {"\xC3\xA9\xC3\xA9", "\xE2\x82\xAC\xC3\xA9", "x"}},
                    SplitCase{"Escapes", "a&b\r\nc", 10, {"a&\xC3\xA5;b&\xC3\xA7;c"}},
                    SplitCase{
                        "CutLineBreakStoredInFirstPiece", "ab\r\ncd", 3, {"ab&\xC3\xA7;", "cd"}},
                    SplitCase{"LineBreakAloneAcrossPieces", "\r\n", 1, {"&\xC3\xA7;", ""}}),
    [](const auto& info) { return info.param.name; });

TEST(SetSplit, ReplacesOldItemsAndNeverFails) {
    ConfigFile store = storeWith("C=3\r\nI1=x\r\nI2=y\r\nI3=z");
    store.SetSplit("C", "I", "", 4);
    EXPECT_EQ(store.GetAll(), "C=0");

    ConfigFile fresh;
    fresh.SetSplit("Missing", "I", "abcdef", 4);
    EXPECT_EQ(fresh.GetAll(), "Missing=2\r\nI1=abcd\r\nI2=ef");

    ConfigFile broken = storeWith("C=not a number");
    broken.SetSplit("C", "I", "ab", 1);
    EXPECT_EQ(broken.GetAll(), "C=2\r\nI1=a\r\nI2=b");
}

TEST(SetSplit, JoinGivesBackTextAfterSaveAndLoadForEveryLength) {
    const std::string text = "Tom & Jerry\r\n&&\r\n\xC3\xA5\xC3\xA7;x\r\n&\xC3\xA5;\r\nend";
    const auto file = std::filesystem::temp_directory_path() /
                      ("kiv-split-" + std::to_string(::getpid()) + ".txt");
    for (int16_t length = 1; length <= 12; ++length) {
        ConfigFile store;
        store.SetSplit("C", "I", text, length);
        store.ConfigSave(file.string());
        ConfigFile loaded;
        loaded.ConfigLoad(file.string());
        EXPECT_EQ(loaded.GetAll(), store.GetAll()) << length;
        EXPECT_EQ(loaded.SetJoin("C", "I"), text) << length;
    }
    std::filesystem::remove(file);
}

TEST(SetJoin, CountRules) {
    ConfigFile store = storeWith("Neg=-2\r\nBad=x\r\nTwo=2\r\nI1=a&\xC3\xA5;");
    EXPECT_EQ(store.SetJoin("Missing", "I"), "");
    EXPECT_EQ(store.SetJoin("Neg", "I"), "");
    EXPECT_EQ(store.SetJoin("Two", "I"), "a&[NOT FOUND]");
    EXPECT_EQ(errorNumberOf([&] { store.SetJoin("Bad", "I"); }), 13);
}

TEST(SetCopy, CopiesCountAndItems) {
    ConfigFile store = storeWith("C=2\r\nI1=a\r\nI2=b\r\nJ3=left over");
    store.SetCopy("C", "I", "D", "J");
    EXPECT_EQ(store.GetValue("D"), "2");
    EXPECT_EQ(store.GetValue("J1"), "a");
    EXPECT_EQ(store.GetValue("J2"), "b");
    EXPECT_EQ(store.GetValue("J3"), "left over");
}

TEST(SetCopy, EmptySetWritesCountZeroAndMissingItemsCopyAsNotFound) {
    ConfigFile store = storeWith("E=0\r\nC=2\r\nI1=a");
    store.SetCopy("E", "I", "D", "J");
    EXPECT_EQ(store.GetValue("D"), "0");
    EXPECT_EQ(store.GetValue("J1"), "[NOT FOUND]");

    store.SetCopy("C", "I", "D", "J");
    EXPECT_EQ(store.GetValue("J2"), "[NOT FOUND]");
}

TEST(SetDel, DeletesItemsButKeepsCount) {
    ConfigFile store = storeWith("C=2\r\nI1=a\r\nI2=b\r\nI3=c");
    store.SetDel("C", "I");
    EXPECT_EQ(store.GetAll(), "C=2\r\nI3=c");
}

TEST(Set2List, AppendsItemsWithMarkerTurnedIntoEquals) {
    ConfigFile store = storeWith("C=3\r\nI1=a<eq>b<eq>c\r\nI2=plain\r\nI3=x<eq>");
    RecordingList list;
    list.items = {"kept"};
    store.Set2List(list, "C", "I", "<eq>");
    EXPECT_EQ(list.items, (std::vector<std::string>{"kept", "a=b=c", "plain", "x="}));

    RecordingList unchanged;
    store.Set2List(unchanged, "C", "I");
    EXPECT_EQ(unchanged.items[0], "a<eq>b<eq>c");
}
