// Drives a store and a plain table with linear scans, the simplest reading of the slot rules,
// through the same random operations; the store's index and free-slot record must never make
// it answer differently.
#include <kiv/ConfigFile.h>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

class PlainTable {
public:
    std::string get(const std::string& name) const {
        const int slot = find(name);
        return slot < 0 ? "[NOT FOUND]" : slots_[slot].second;
    }
    void write(const std::string& name, const std::string& value) {
        if (const int slot = find(name); slot >= 0) {
            slots_[slot].second = value;
            return;
        }
        slots_.emplace_back();
        for (auto& slot : slots_) {
            if (slot.first.empty()) {
                slot = {name, value};
                return;
            }
        }
    }
    void append(const std::string& name, const std::string& value) {
        slots_.emplace_back(name, value);
    }
    void erase(const std::string& name) {
        if (const int slot = find(name); slot >= 0)
            slots_[slot] = {};
    }
    int32_t lastSlot() const { return static_cast<int32_t>(slots_.size()) - 1; }
    std::string all() const {
        std::string text;
        for (const auto& [name, value] : slots_) {
            if (!name.empty())
                text.append(name).append("=").append(value).append("\r\n");
        }
        return text.empty() ? text : text.substr(0, text.size() - 2);
    }

private:
    int find(const std::string& name) const {
        for (std::size_t i = 0; i < slots_.size(); ++i) {
            if (slots_[i].first == name)
                return static_cast<int>(i);
        }
        return -1;
    }
    std::vector<std::pair<std::string, std::string>> slots_;
};

} // namespace

TEST(ReferenceModel, RandomOperationsAnswerLikeLinearScans) {
    std::mt19937 random(20240611);
    // Few names, so that duplicates, deletions and probe collisions are frequent.
    std::uniform_int_distribution<int> nameOf(0, 299);
    std::uniform_int_distribution<int> operationOf(0, 9);
    kiv::ConfigFile store;
    PlainTable plain;

    for (int step = 0; step < 40000; ++step) {
        const std::string name = std::string("n").append(std::to_string(nameOf(random)));
        const std::string value = std::to_string(step);
        const int operation = operationOf(random);
        if (operation < 4) {
            store.WriteValue(name, value);
            plain.write(name, value);
        } else if (operation < 5) {
            store.WriteValueNoCheck(name, value);
            plain.append(name, value);
        } else if (operation < 9) {
            store.DelKey(name);
            plain.erase(name);
        }
        ASSERT_EQ(store.GetValue(name), plain.get(name)) << "step " << step;
        ASSERT_EQ(store.LastSlot(), plain.lastSlot()) << "step " << step;
        if (step % 1000 == 0) {
            ASSERT_EQ(store.GetAll(), plain.all()) << "step " << step;
        }
    }
    EXPECT_EQ(store.GetAll(), plain.all());
}
