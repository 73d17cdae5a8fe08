#include "ErrorNumber.h"

#include <kiv/ConfigFile.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

using kiv::ConfigFile;

namespace {

ConfigFile fullStore() {
    ConfigFile store;
    for (int32_t i = 0; i < ConfigFile::Capacity; ++i)
        store.WriteValueNoCheck(std::string("k").append(std::to_string(i)), "v");
    return store;
}

} // namespace

TEST(KeyOperations, MissingKeyAnswersDefaultOrNotFound) {
    ConfigFile store;
    EXPECT_EQ(store.GetValue("x"), "[NOT FOUND]");
    EXPECT_EQ(store.GetValue("x", "dflt"), "dflt");

    store.WriteValue("x", "");
    EXPECT_EQ(store.GetValue("x"), "");
    EXPECT_EQ(store.GetValue("x", "dflt"), "");
}

TEST(KeyOperations, NamesAreComparedExactly) {
    ConfigFile store;
    store.WriteValue("A", "upper");
    store.WriteValue(" b", "spaced");
    EXPECT_EQ(store.GetValue("a"), "[NOT FOUND]");
    EXPECT_EQ(store.GetValue("b"), "[NOT FOUND]");
    EXPECT_EQ(store.GetValue("A"), "upper");
    EXPECT_EQ(store.GetValue(" b"), "spaced");
}

TEST(KeyOperations, WriteValueReplacesExistingKeyInPlace) {
    ConfigFile store;
    store.WriteValue("a", "1");
    store.WriteValue("b", "2");
    store.WriteValue("a", "3");
    EXPECT_EQ(store.GetAll(), "a=3\r\nb=2");
    EXPECT_EQ(store.LastSlot(), 1);
}

TEST(KeyOperations, NewKeyFillsTheHoleAndStillRaisesLastSlot) {
    ConfigFile store;
    store.WriteValue("a", "1");
    store.WriteValue("b", "2");
    store.WriteValue("c", "3");
    store.DelKey("b");
    EXPECT_EQ(store.LastSlot(), 2);

    store.WriteValue("d", "4");
    EXPECT_EQ(store.GetAll(), "a=1\r\nd=4\r\nc=3");
    EXPECT_EQ(store.LastSlot(), 3);

    // The slot left free at the top is taken by the next new key.
    store.WriteValue("e", "5");
    EXPECT_EQ(store.GetAll(), "a=1\r\nd=4\r\nc=3\r\ne=5");
    EXPECT_EQ(store.LastSlot(), 4);
}

TEST(KeyOperations, NewKeyTakesTheLowestHoleNotTheLatest) {
    ConfigFile store;
    for (const char* name : {"a", "b", "c", "d", "e"})
        store.WriteValue(name, name);
    store.DelKey("d");
    store.DelKey("b");

    store.WriteValue("x", "x");
    store.WriteValue("y", "y");
    EXPECT_EQ(store.GetAll(), "a=a\r\nx=x\r\nc=c\r\ny=y\r\ne=e");
    EXPECT_EQ(store.LastSlot(), 6);
}

TEST(KeyOperations, LowestDuplicateAnswersUntilDeleted) {
    ConfigFile store;
    store.WriteValue("a", "1");
    store.WriteValueNoCheck("a", "2");
    store.WriteValueNoCheck("a", "3");
    EXPECT_EQ(store.GetValue("a"), "1");

    store.DelKey("a");
    EXPECT_EQ(store.GetValue("a"), "2");
    // Writing the name now changes the answering duplicate instead of filling the hole.
    store.WriteValue("a", "two");
    EXPECT_EQ(store.GetAll(), "a=two\r\na=3");

    store.DelKey("a");
    EXPECT_EQ(store.GetValue("a"), "3");
    store.DelKey("a");
    EXPECT_EQ(store.GetValue("a"), "[NOT FOUND]");
    EXPECT_EQ(store.LastSlot(), 2);
}

TEST(KeyOperations, WriteValueNoCheckNeverReusesHoles) {
    ConfigFile store;
    store.WriteValue("a", "1");
    store.DelKey("a");
    store.WriteValueNoCheck("b", "2");
    EXPECT_EQ(store.LastSlot(), 1);
    store.WriteValue("c", "3");
    EXPECT_EQ(store.GetAll(), "c=3\r\nb=2");
}

TEST(KeyOperations, DeletingMissingKeyChangesNothing) {
    ConfigFile store;
    store.WriteValue("a", "1");
    store.DelKey("zz");
    EXPECT_EQ(store.GetAll(), "a=1");
    EXPECT_EQ(store.LastSlot(), 0);
}

TEST(KeyOperations, GetNameFindsLowestSlotHoldingTheValue) {
    ConfigFile store;
    store.WriteValue("first", "v");
    store.WriteValue("second", "v");
    store.WriteValue("other", "w");
    EXPECT_EQ(store.GetName("v"), "first");
    EXPECT_EQ(store.GetName("w"), "other");
    EXPECT_EQ(store.GetName("V"), "[NOT FOUND]");

    store.DelKey("first");
    EXPECT_EQ(store.GetName("v"), "second");
    // A free slot holds no entry, so it never answers for the empty value.
    EXPECT_EQ(store.GetName(""), "[NOT FOUND]");
}

TEST(KeyOperations, EmptyNameIsNeverAnEntry) {
    ConfigFile store;
    store.WriteValue("", "x");
    EXPECT_EQ(store.GetValue(""), "[NOT FOUND]");
    EXPECT_EQ(store.GetAll(), "");
    store.WriteValue("a", "1");
    EXPECT_EQ(store.GetAll(), "a=1");
}

TEST(KeyOperations, DelAllEmptiesTheStore) {
    ConfigFile store;
    store.DelAll();
    EXPECT_EQ(store.LastSlot(), -1);

    store.WriteValue("a", "1");
    store.WriteValueNoCheck("a", "2");
    store.DelAll();
    EXPECT_EQ(store.LastSlot(), -1);
    EXPECT_EQ(store.GetValue("a"), "[NOT FOUND]");
    EXPECT_EQ(store.GetAll(), "");
}

TEST(KeyOperations, GetAllListsEntriesWithoutFinalLineBreak) {
    ConfigFile store;
    store.WriteValue("k", "v");
    store.WriteValue("x", "");
    EXPECT_EQ(store.GetAll(), "k=v\r\nx=");

    store.DelKey("k");
    store.DelKey("x");
    EXPECT_EQ(store.GetAll(), "");
}

struct WriteAllCase {
    const char* name;
    std::string text;
    std::string getAll;
    int32_t lastSlot;

    friend void PrintTo(const WriteAllCase& c, std::ostream* os) { *os << c.name; }
};

class WriteAllAccepts : public testing::TestWithParam<WriteAllCase> {};

TEST_P(WriteAllAccepts, StoresOneSlotPerLine) {
    ConfigFile store;
    store.WriteValue("old", "gone");
    store.WriteAll(GetParam().text);
    EXPECT_EQ(store.GetAll(), GetParam().getAll);
    EXPECT_EQ(store.LastSlot(), GetParam().lastSlot);
    EXPECT_EQ(store.GetValue("old"), "[NOT FOUND]");
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WriteAllAccepts,
    testing::Values(WriteAllCase{"Empty", "", "", -1},
                    WriteAllCase{"ValueWithEquals", "a=1=2", "a=1=2", 0},
                    WriteAllCase{"Duplicates", "a=1\r\na=2", "a=1\r\na=2", 1},
                    WriteAllCase{"LoneCrAndLfStayInLine", "a=1\r2\nb=3", "a=1\r2\nb=3", 0},
                    WriteAllCase{"EmptyNameTakesAFreeSlot", "=x\r\na=1", "a=1", 1}),
    [](const auto& info) { return info.param.name; });

TEST(KeyOperations, WriteAllReproducesGetAllWithoutHoles) {
    ConfigFile store;
    store.WriteValue("a", "1");
    store.WriteValue("b", "x=y");
    store.WriteValue("c", "");
    store.WriteValueNoCheck("a", "dup");
    store.DelKey("b");
    const std::string all = store.GetAll();

    ConfigFile copy;
    copy.WriteAll(all);
    EXPECT_EQ(copy.GetAll(), all);
    EXPECT_EQ(copy.LastSlot(), 2);
    copy.DelKey("a");
    EXPECT_EQ(copy.GetValue("a"), "dup");
}

struct WriteAllFailure {
    const char* name;
    std::string text;
    int error;

    friend void PrintTo(const WriteAllFailure& c, std::ostream* os) { *os << c.name; }
};

class WriteAllRejects : public testing::TestWithParam<WriteAllFailure> {};

TEST_P(WriteAllRejects, FailsAndLeavesStoreEmpty) {
    ConfigFile store;
    store.WriteValue("old", "kept?");
    EXPECT_EQ(errorNumberOf([&] { store.WriteAll(GetParam().text); }), GetParam().error);
    EXPECT_EQ(store.LastSlot(), -1);
    EXPECT_EQ(store.GetAll(), "");
}

std::string linesOverCapacity() {
    std::string text;
    for (int32_t i = 0; i <= ConfigFile::Capacity; ++i)
        text += std::string("k").append(std::to_string(i)) + "=v\r\n";
    text.resize(text.size() - 2);
    return text;
}

INSTANTIATE_TEST_SUITE_P(Texts, WriteAllRejects,
                         testing::Values(WriteAllFailure{"FinalLineBreak", "a=1\r\n", 5},
                                         WriteAllFailure{"LineWithoutEquals", "a=1\r\nb\r\nc=3", 5},
                                         WriteAllFailure{"EmptyLineInside", "a=1\r\n\r\nc=3", 5},
                                         WriteAllFailure{"OverCapacity", linesOverCapacity(), 9}),
                         [](const auto& info) { return info.param.name; });

TEST(KeyOperations, FullStoreRefusesNewKeysOnly) {
    ConfigFile store = fullStore();
    EXPECT_EQ(store.LastSlot(), ConfigFile::Capacity - 1);

    store.WriteValue("k7", "changed");
    EXPECT_EQ(store.GetValue("k7"), "changed");
    EXPECT_EQ(errorNumberOf([&] { store.WriteValue("new", "x"); }), 9);
    EXPECT_EQ(errorNumberOf([&] { store.WriteValueNoCheck("new", "x"); }), 9);
    EXPECT_EQ(store.GetValue("new"), "[NOT FOUND]");
    EXPECT_EQ(store.LastSlot(), ConfigFile::Capacity - 1);

    // At capacity a hole is still reused, without LastSlot moving.
    store.DelKey("k100");
    store.WriteValue("new", "x");
    EXPECT_EQ(store.LastSlot(), ConfigFile::Capacity - 1);
    EXPECT_EQ(store.GetName("x"), "new");
    EXPECT_EQ(errorNumberOf([&] { store.WriteValue("newer", "x"); }), 9);
}

TEST(KeyOperations, MovedFromStoreIsEmptyAndUsable) {
    ConfigFile store;
    store.WriteValue("a", "1");

    ConfigFile moved(std::move(store));
    EXPECT_EQ(moved.GetValue("a"), "1");
    EXPECT_EQ(store.LastSlot(), -1); // NOLINT(bugprone-use-after-move)
    store.WriteValue("b", "2");
    EXPECT_EQ(store.GetAll(), "b=2");

    moved = std::move(store);
    EXPECT_EQ(moved.GetAll(), "b=2");
}

TEST(KeyOperations, SwapExchangesContent) {
    ConfigFile left;
    ConfigFile right;
    left.WriteValue("a", "1");
    right.WriteValue("b", "2");
    right.WriteValue("c", "3");

    left.swap(right);
    EXPECT_EQ(left.GetAll(), "b=2\r\nc=3");
    EXPECT_EQ(right.GetAll(), "a=1");
    EXPECT_EQ(left.LastSlot(), 1);
}

TEST(Errors, StandardNumbersCarryPlatformWording) {
    const std::pair<int32_t, std::string> expected[] = {
        {5, "Invalid procedure call or argument"},
        {6, "Overflow"},
        {9, "Subscript out of range"},
        {13, "Type mismatch"},
        {53, "File not found"},
        {70, "Permission denied"},
        {75, "Path/File access error"},
        {76, "Path not found"},
    };
    for (const auto& [number, wording] : expected) {
        const kiv::Error error = kiv::Error::standard(number);
        EXPECT_EQ(error.number(), number);
        EXPECT_EQ(error.description(), wording);
        EXPECT_EQ(std::string(error.what()), wording);
    }
}
