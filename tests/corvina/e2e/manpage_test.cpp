// The program's manual pages as a user reads them: the built pages go through
// man and groff without a warning, name every option the program knows and
// no other, and a screenshot shows the English and German page in a terminal.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <set>
#include <string>

#include "corvina/shell/commandline.h"

namespace corvina {
namespace {

struct RenderedPage {
    QString formatted;  // with the terminal's overstrikes for bold and underline
    QString errors;
    int exitCode = -1;
};

RenderedPage renderPage(const QString& path) {
    QProcess man;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("MANPAGER"), QStringLiteral("cat"));
    environment.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
    environment.insert(QStringLiteral("MAN_KEEP_FORMATTING"), QStringLiteral("1"));
    environment.insert(QStringLiteral("GROFF_NO_SGR"), QStringLiteral("1"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    man.setProcessEnvironment(environment);
    man.start(QStringLiteral("man"), {QStringLiteral("--warnings"), QStringLiteral("-l"), path});
    RenderedPage page;
    if (!man.waitForFinished(30000)) return page;
    page.formatted = QString::fromUtf8(man.readAllStandardOutput());
    page.errors = QString::fromUtf8(man.readAllStandardError());
    page.exitCode = man.exitCode();
    return page;
}

// A character on the terminal: "X\bX" is a bold X, "_\bX" an underlined one.
struct Cell {
    QChar character;
    bool bold = false;
    bool underlined = false;
};

QList<Cell> cellsOf(const QString& line) {
    QList<Cell> cells;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (i + 2 < line.size() && line[i + 1] == u'\b') {
            const QChar over = line[i + 2];
            cells.append({over, line[i] == over, line[i] == u'_' && over != u'_'});
            i += 2;
        } else {
            cells.append({line[i]});
        }
    }
    return cells;
}

QString plainText(const QString& formatted) {
    QString text;
    for (const QString& line : formatted.split(u'\n')) {
        for (const Cell& cell : cellsOf(line)) text += cell.character;
        text += u'\n';
    }
    return text;
}

// The options a text names: "-s", "--port" and the like, each once.
std::set<std::string> optionsIn(const QString& text) {
    static const QRegularExpression option(QStringLiteral("(?<![\\w-])(-{1,2}[a-z][a-z-]*)"));
    std::set<std::string> found;
    for (auto match = option.globalMatch(text); match.hasNext();)
        found.insert(match.next().captured(1).toStdString());
    return found;
}

// The option lines of the page's option section ("OPTIONS" or "OPTIONEN").
QString optionSection(const QString& text) {
    static const QRegularExpression section(
        QStringLiteral("^OPTION(?:S|EN)\\n(.*?)^\\S"),
        QRegularExpression::MultilineOption | QRegularExpression::DotMatchesEverythingOption);
    QString headings;
    for (const QString& line : section.match(text).captured(1).split(u'\n'))
        if (line.startsWith(QStringLiteral("       -"))) headings += line + u'\n';
    return headings;
}

// The first lines of the page drawn as a terminal shows them.
QImage terminalPicture(const QString& formatted, int rows) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setFamily(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(14);
    QFont bold = font;
    bold.setBold(true);
    const QFontMetrics metrics(font);
    const int columns = 80, margin = 8;
    const int width = metrics.horizontalAdvance(u'M'), height = metrics.height();
    QImage picture(columns * width + 2 * margin, rows * height + 2 * margin, QImage::Format_RGB32);
    picture.fill(QColor(0x1e, 0x1e, 0x1e));
    QPainter painter(&picture);
    const QStringList lines = formatted.split(u'\n');
    for (int row = 0; row < rows && row < lines.size(); ++row) {
        const QList<Cell> cells = cellsOf(lines[row]);
        for (int column = 0; column < cells.size() && column < columns; ++column) {
            const Cell& cell = cells[column];
            painter.setFont(cell.bold ? bold : font);
            painter.setPen(cell.bold ? QColor(Qt::white) : QColor(0xd0, 0xd0, 0xd0));
            const QPoint at(margin + column * width, margin + row * height + metrics.ascent());
            painter.drawText(at, QString(cell.character));
            if (cell.underlined)
                painter.drawLine(at.x(), at.y() + 2, at.x() + width - 1, at.y() + 2);
        }
    }
    return picture;
}

class ManualPages : public testing::Test {
  protected:
    void SetUp() override {
        if (!QFileInfo::exists(page(QStringLiteral("man1")))) GTEST_SKIP() << "no scdoc, no pages";
        if (QStandardPaths::findExecutable(QStringLiteral("man")).isEmpty())
            GTEST_SKIP() << "man is not installed";
    }
    static QString page(const QString& folder, const QString& name = QStringLiteral("corvina")) {
        return QDir(QStringLiteral(CORVINA_MAN_DIR)).filePath(folder + u'/' + name + ".1.gz");
    }
    QTemporaryDir dir;
};

TEST_F(ManualPages, EveryPageReadsWithoutAWarning) {
    for (const QString& folder : {QStringLiteral("man1"), QStringLiteral("de/man1")}) {
        for (const QString& name : {QStringLiteral("corvina"), QStringLiteral("corvina-cli"),
                                    QStringLiteral("phonesim")}) {
            SCOPED_TRACE((folder + u'/' + name).toStdString());
            const RenderedPage rendered = renderPage(page(folder, name));
            EXPECT_EQ(rendered.exitCode, 0);
            EXPECT_EQ(rendered.errors, QString());
            EXPECT_TRUE(plainText(rendered.formatted)
                            .contains(QStringLiteral("       ") + name + QStringLiteral(" - ")));
        }
    }
}

TEST_F(ManualPages, CorvinaPagesNameExactlyTheOptionsTheProgramKnows) {
    const std::set<std::string> known = optionsIn(commandLineHelp());
    ASSERT_TRUE(known.contains("--connection"));
    const QString folder = qEnvironmentVariable("CORVINA_SCREENSHOT_DIR", dir.path());
    for (const auto& [pageFolder, picture] :
         {std::pair{QStringLiteral("man1"), QStringLiteral("corvina-man.png")},
          std::pair{QStringLiteral("de/man1"), QStringLiteral("corvina-man-de.png")}}) {
        SCOPED_TRACE(pageFolder.toStdString());
        const RenderedPage rendered = renderPage(page(pageFolder));
        ASSERT_EQ(rendered.exitCode, 0) << rendered.errors.toStdString();
        EXPECT_EQ(optionsIn(optionSection(plainText(rendered.formatted))), known);
        EXPECT_TRUE(terminalPicture(rendered.formatted, 48).save(QDir(folder).filePath(picture)));
    }
}

}  // namespace
}  // namespace corvina
