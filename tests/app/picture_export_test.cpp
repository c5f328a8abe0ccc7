// Pictures as files: the SVG is well-formed XML with the expected parts, and its PNG shows
// the clues and the paths where they belong.
#include "app/picture_export.h"

#include "board_picture.h"
#include "formats/svg_picture.h"

#include <QImage>
#include <QMap>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using testing::answerFromPicture;
using testing::setBoardPicture;

/// What a parsed picture holds: the elements counted by the id of their group, the title's
/// texts, and the parser's error.
struct Parts {
    QMap<QString, int> counts; // "clues/text", "paths/polyline", "rings/circle", ...
    QStringList titleTexts;
    QString error;
};

Parts parse(const std::string& svg) {
    Parts parts;
    QXmlStreamReader xml(QByteArray::fromStdString(svg));
    QString group; // groups are not nested
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        const QString name = xml.name().toString();
        if (token == QXmlStreamReader::EndElement && name == "g") group.clear();
        if (token != QXmlStreamReader::StartElement || name == "svg") continue;
        if (name == "g") {
            group = xml.attributes().value("id").toString();
            continue;
        }
        ++parts.counts[group + "/" + name];
        if (group == "title") parts.titleTexts << xml.readElementText();
    }
    if (xml.hasError()) parts.error = xml.errorString();
    return parts;
}

TEST(PictureExport, SvgIsWellFormedWithATextPerClueAndALinePerPair) {
    Board board;
    setBoardPicture(board, {"1 . . . 2", ". . . . .", ". . 2 . 100", ". 3 . 3 .", "1 . . . ."});
    const Answer answer =
        answerFromPicture({"1 . . . 2", "1 . . . 2", "1 . 2 2 2", "1 3 3 3 .", "1 . . . ."});
    const std::string markup = "A & B <c> \"d\" 'e' ]]> 日本語";
    const struct {
        const Answer* answer; // its three pairs drawn as lines, its seven clues ringed
        std::string title, author;
        QStringList titleTexts;
    } cases[] = {
        {&answer, "", "", {}},
        {&answer, markup, "", {QString::fromStdString(markup)}},
        // Controls and a broken byte.
        {nullptr, "\x01 x\ny\x7f", "作者\xff\xfe", {"x y", "作者\uFFFD\uFFFD"}},
    };
    for (const auto& c : cases) {
        board.infoField1 = c.title;
        board.infoField2 = c.author;
        const Parts parts = parse(svgPicture(board, c.answer, {}));
        SCOPED_TRACE(c.title);
        EXPECT_TRUE(parts.error.isEmpty()) << parts.error.toStdString();
        EXPECT_EQ(parts.counts["clues/text"], 7);
        EXPECT_EQ(parts.counts["paths/polyline"] + parts.counts["paths/path"], c.answer ? 3 : 0);
        EXPECT_EQ(parts.counts["rings/circle"], c.answer ? 7 : 0);
        EXPECT_EQ(parts.titleTexts, c.titleTexts);
    }
}

TEST(PictureExport, PngShowsCluesAndPathsWhereTheyBelong) {
    // A 5 x 5 puzzle, cell 36 and margin 18: the centre of column x (row y) is at 36x (36y).
    Board board;
    setBoardPicture(board, {"1 . . . 2", ". . . . .", ". . 2 . .", ". . . . .", "1 . . . ."});
    const Answer answer =
        answerFromPicture({"1 . . . 2", "1 . . . 2", "1 . 2 2 2", "1 . . . .", "1 . . . ."});
    // The picture through PNG bytes and back, as the file holds it.
    const auto png = [&board](const Answer* shown, bool colours = false) {
        PictureOptions options;
        options.colourPerPair = colours;
        const QByteArray bytes = pngFromSvg(svgPicture(board, shown, options));
        return QImage::fromData(bytes, "PNG").convertToFormat(QImage::Format_RGB32);
    };
    const auto centre = [](const QImage& image, int x, int y) {
        return image.pixelColor(36 * x, 36 * y);
    };
    // True when the box of +-8 pixels around the cell's centre holds a dark pixel.
    const auto inked = [](const QImage& image, int x, int y) {
        for (int dy = -8; dy <= 8; ++dy)
            for (int dx = -8; dx <= 8; ++dx)
                if (qGray(image.pixel(36 * x + dx, 36 * y + dy)) < 100) return true;
        return false;
    };
    const QImage puzzle = png(nullptr), solved = png(&answer);
    ASSERT_EQ(solved.size(), QSize(216, 216));
    const QColor black(0, 0, 0), white(255, 255, 255);

    for (auto [x, y] : {std::pair{1, 1}, {5, 1}, {3, 3}, {1, 5}}) {
        EXPECT_TRUE(inked(puzzle, x, y)) << "clue at " << x << "," << y;
        EXPECT_TRUE(inked(solved, x, y)) << "clue at " << x << "," << y;
    }
    // Path cells without a clue, a corner among them: black only on the answer.
    for (auto [x, y] : {std::pair{1, 3}, {5, 2}, {5, 3}, {4, 3}}) {
        EXPECT_EQ(centre(solved, x, y), black) << x << "," << y;
        EXPECT_EQ(centre(puzzle, x, y), white) << x << "," << y;
    }
    // The link between two path cells is drawn; cells no path covers stay white.
    EXPECT_EQ(solved.pixelColor(36, 36 * 3 + 18), black);
    for (auto [x, y] : {std::pair{3, 1}, {2, 2}, {4, 5}}) {
        EXPECT_FALSE(inked(solved, x, y)) << x << "," << y;
        EXPECT_EQ(centre(solved, x, y), white) << x << "," << y;
    }

    // With a colour a pair, pair 2 takes the palette's second colour.
    const QImage coloured = png(&answer, true);
    EXPECT_EQ(centre(coloured, 1, 3), black);
    EXPECT_EQ(centre(coloured, 4, 3), QColor(QRgb(PairPalette[1])));
}

TEST(PictureExport, PngRefusesPicturesTooLargeOrUnreadable) {
    Board board;
    std::string row;
    for (int x = 0; x < 100; ++x) row += ". ";
    setBoardPicture(board, std::vector<std::string>(100, row));
    PictureOptions options;
    options.cellSize = 200;
    PngFailure failure = PngFailure::None;
    EXPECT_TRUE(pngFromSvg(svgPicture(board, nullptr, options), &failure).isEmpty());
    EXPECT_EQ(failure, PngFailure::TooLarge);
    EXPECT_TRUE(pngFromSvg("this is no picture", &failure).isEmpty());
    EXPECT_EQ(failure, PngFailure::Unreadable);
}

} // namespace
} // namespace corvane
