// Draws the application icon from its pixel art (tarnwick.txt): a PNG for each size asked for,
// every art pixel an exact square of pixels, and an SVG of the same pixels as rectangles.
//
//   tarnwick_icon_generator ART OUTPUT_FOLDER NAME SIZE...
//
// writes OUTPUT_FOLDER/NAME.svg and OUTPUT_FOLDER/<SIZE>x<SIZE>/NAME.png. The art file holds a
// legend ("C #rrggbb name", or "C none" for a clear pixel) and, after the line "picture", the
// square picture, one character per pixel. Lines starting with '#' are comments.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Art {
    std::map<char, QColor> legend;
    std::vector<std::string> rows;
    int size() const { return static_cast<int>(rows.size()); }
};

QColor legendColour(const std::string& line) {
    if (line.size() >= 6 && line.compare(2, 4, "none") == 0)
        return Qt::transparent;
    const QColor colour(QString::fromStdString(line.substr(2, 7)));
    if (line.size() < 9 || line[1] != ' ' || !colour.isValid())
        throw std::runtime_error("a legend line reads \"C #rrggbb name\" or \"C none\": " + line);
    return colour;
}

Art readArt(const std::string& path) {
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error(path + ": cannot be read");
    Art art;
    std::string line;
    bool inPicture = false;
    while (std::getline(in, line)) {
        if (line.empty() || line.front() == '#' || line == "legend")
            continue;
        if (line == "picture")
            inPicture = true;
        else if (inPicture)
            art.rows.push_back(line);
        else
            art.legend[line.front()] = legendColour(line);
    }
    for (const std::string& row : art.rows) {
        if (static_cast<int>(row.size()) != art.size())
            throw std::runtime_error(path + ": the picture must be square");
        for (char c : row)
            if (!art.legend.contains(c))
                throw std::runtime_error(path + ": '" + std::string(1, c) +
                                         "' is not in the legend");
    }
    if (art.rows.empty())
        throw std::runtime_error(path + ": no picture");
    return art;
}

QImage drawPng(const Art& art, int size) {
    if (size % art.size() != 0)
        throw std::runtime_error("size " + std::to_string(size) + " is no multiple of the art's " +
                                 std::to_string(art.size()) + " pixels");
    const int scale = size / art.size();
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int y = 0; y < art.size(); ++y)
        for (int x = 0; x < art.size(); ++x)
            painter.fillRect(x * scale, y * scale, scale, scale,
                             art.legend.at(art.rows[size_t(y)][size_t(x)]));
    return image;
}

QByteArray drawSvg(const Art& art) {
    const QByteArray n = QByteArray::number(art.size());
    QByteArray svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                     n + "\" height=\"" + n + "\" viewBox=\"0 0 " + n + " " + n +
                     "\" shape-rendering=\"crispEdges\">\n";
    for (int y = 0; y < art.size(); ++y)
        for (int x = 0; x < art.size(); ++x) {
            const QColor colour = art.legend.at(art.rows[size_t(y)][size_t(x)]);
            if (colour.alpha() == 0)
                continue;
            svg += "  <rect x=\"" + QByteArray::number(x) + "\" y=\"" + QByteArray::number(y) +
                   "\" width=\"1\" height=\"1\" fill=\"" + colour.name().toLatin1() + "\"/>\n";
        }
    return svg + "</svg>\n";
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s ART OUTPUT_FOLDER NAME SIZE...\n", argv[0]);
        return 2;
    }
    try {
        const Art art = readArt(argv[1]);
        const QDir out(QString::fromLocal8Bit(argv[2]));
        const QString name = QString::fromLocal8Bit(argv[3]);
        writeFile(out.filePath(name + ".svg"), drawSvg(art));
        for (int i = 4; i < argc; ++i) {
            const int size = std::stoi(argv[i]);
            const QString folder = QStringLiteral("%1x%1").arg(size);
            if (!out.mkpath(folder) ||
                !drawPng(art, size).save(out.filePath(folder + "/" + name + ".png"), "PNG"))
                throw std::runtime_error("cannot write the " + folder.toStdString() + " icon");
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
