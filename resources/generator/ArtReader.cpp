#include "ArtReader.h"

#include <fstream>
#include <map>
#include <optional>

namespace {

// The reader of one file, line by line: outside any block, in its legend, or in a picture.
class ArtFile {
public:
    ArtFile(const std::string& path, std::map<int, std::string>& placeOf, std::vector<Picture>& out)
        : path_(path), placeOf_(placeOf), out_(out) {}

    void read() {
        std::ifstream in(path_, std::ios::binary);
        if (!in)
            throw ArtError(path_ + ": cannot be read");
        std::string line;
        while (std::getline(in, line)) {
            ++lineNumber_;
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            take(line);
        }
        endPicture();
    }

private:
    enum class Block { None, Legend, Picture };

    [[noreturn]] void fail(const std::string& why) const { throw ArtError(place() + ": " + why); }
    std::string place() const { return path_ + ":" + std::to_string(lineNumber_); }

    void take(const std::string& line) {
        if (line.empty()) {
            endPicture();
            block_ = Block::None;
        } else if (line.starts_with("picture ")) {
            endPicture();
            startPicture(line.substr(8));
        } else if (block_ == Block::Picture) {
            addRow(line);
        } else if (line.front() == '#') {
            // a comment
        } else if (block_ == Block::Legend) {
            addColour(line);
        } else if (line == "legend") {
            block_ = Block::Legend;
        } else {
            fail("expected \"legend\", \"picture NUMBER\", a comment or a blank line");
        }
    }

    void addColour(const std::string& line) {
        const char c = line.front();
        if (c <= ' ' || c > '~')
            fail("a legend line starts with its character, which is printable and not a space");
        if (line.size() < 9 || line[1] != ' ' || line[2] != '#' ||
            (line.size() > 9 && line[9] != ' '))
            fail("a legend line reads \"C #rrggbb\", then an optional name");
        const std::optional<QRgb> colour = hexColour(line.substr(3, 6));
        if (!colour)
            fail("\"" + line.substr(2, 7) + "\" is not a colour #rrggbb");
        if (!legend_.emplace(c, *colour).second)
            fail(std::string("'") + c + "' is in the legend twice");
    }

    static std::optional<QRgb> hexColour(const std::string& digits) {
        if (digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
            return std::nullopt;
        return qRgb(std::stoi(digits.substr(0, 2), nullptr, 16),
                    std::stoi(digits.substr(2, 2), nullptr, 16),
                    std::stoi(digits.substr(4, 2), nullptr, 16));
    }

    void startPicture(const std::string& number) {
        if (number.empty() || number.size() > 6 ||
            number.find_first_not_of("0123456789") != std::string::npos)
            fail("\"" + number + "\" is not a picture number");
        const int id = std::stoi(number);
        const auto [first, isNew] = placeOf_.emplace(id, place());
        if (!isNew)
            fail("picture " + number + " is drawn twice; first at " + first->second);
        block_ = Block::Picture;
        picture_ = Picture{id, QImage(), place()};
        rows_.clear();
    }

    void addRow(const std::string& row) {
        if (!rows_.empty() && row.size() != rows_.front().size())
            fail("row is " + std::to_string(row.size()) + " pixels wide, the picture's first " +
                 std::to_string(rows_.front().size()));
        for (char c : row)
            if (!legend_.contains(c))
                fail(std::string("'") + c + "' is not in the legend");
        rows_.push_back(row);
    }

    void endPicture() {
        if (block_ != Block::Picture)
            return;
        if (rows_.empty())
            throw ArtError(picture_.place + ": picture " + std::to_string(picture_.id) +
                           " has no rows");
        const int width = static_cast<int>(rows_.front().size());
        QImage image(width, static_cast<int>(rows_.size()), QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < width; ++x)
                image.setPixel(x, y,
                               legend_.at(rows_[static_cast<size_t>(y)][static_cast<size_t>(x)]));
        picture_.image = image;
        out_.push_back(std::move(picture_));
        block_ = Block::None;
    }

    std::string path_;
    std::map<int, std::string>& placeOf_;
    std::vector<Picture>& out_;
    int lineNumber_ = 0;
    Block block_ = Block::None;
    std::map<char, QRgb> legend_;
    Picture picture_{0, {}, {}};
    std::vector<std::string> rows_;
};

} // namespace

void ArtReader::read(const std::string& path) {
    ArtFile(path, placeOf_, pictures_).read();
}
