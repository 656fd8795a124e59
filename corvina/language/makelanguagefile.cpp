// Writes the German language file from the program's built-in texts:
//   corvina-makelng SOURCE_FOLDER OUTPUT_FILE
#include <QApplication>
#include <cstdio>

#include "corvina/language/languagegenerator.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "Aufruf: corvina-makelng QUELLORDNER AUSGABEDATEI\n");
        return 2;
    }
    QStringList problems;
    const corvina::LanguageFile file = corvina::builtInLanguageFile(arguments.at(1), problems);
    for (const QString& problem : problems) {
        std::fprintf(stderr, "Schlüssel mit zwei Texten: %s\n", problem.toLocal8Bit().constData());
    }
    if (!file.write(arguments.at(2))) {
        std::fprintf(stderr, "%s lässt sich nicht schreiben.\n",
                     arguments.at(2).toLocal8Bit().constData());
        return 1;
    }
    return problems.isEmpty() ? 0 : 1;
}
