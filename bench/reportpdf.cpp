// Times the phonebook report of 1,000 entries written to PDF: the phone
// list and all thirteen columns. Prints wall time, pages and file size.
//   build/bench/bench_reportpdf [FOLDER]   (keeps the PDF files there)
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>

#include "corvina/reports/phonebookreport.h"
#include "corvina/reports/printdocument.h"

namespace {

std::vector<corvina::PhonebookReportRow> thousandRows() {
    std::vector<corvina::PhonebookReportRow> rows;
    for (int i = 1; i <= 1000; ++i) {
        corvina::PhonebookReportRow row;
        row.location = i;
        row.name = QStringLiteral("Kontakt %1 Mustermann").arg(i, 4, 10, QLatin1Char('0'));
        row.group = QStringLiteral("Familie");
        row.numbers[0] = QStringList{QStringLiteral("+49301%1").arg(i, 6, 10, QLatin1Char('0'))};
        if (i % 3 == 0)
            row.numbers[1] =
                QStringList{QStringLiteral("0170%1").arg(i * 13, 7, 10, QLatin1Char('0'))};
        row.defaultKind = i % 3 == 0 ? 1 : 0;
        if (i % 5 == 0) row.address = QStringLiteral("Hauptstraße %1\n10115 Berlin").arg(i);
        if (i % 4 == 0) row.email = QStringLiteral("kontakt%1@example.org").arg(i);
        rows.push_back(row);
    }
    return rows;
}

void measure(const char* what, const corvina::Report& report, const QString& path) {
    QElapsedTimer timer;
    timer.start();
    const auto outcome = corvina::writePdf(corvina::reportDocument(report), path);
    const qint64 ms = timer.elapsed();
    std::printf("%-22s %6lld ms  %4d pages  %8lld bytes%s\n", what, static_cast<long long>(ms),
                outcome.pages, static_cast<long long>(QFileInfo(path).size()),
                outcome.ok() ? "" : "  FAILED");
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QTemporaryDir scratch;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : scratch.path();
    const auto rows = thousandRows();
    corvina::PhonebookReportOptions options;
    options.tableName = QStringLiteral("SIM");
    QElapsedTimer build;
    build.start();
    const corvina::Report list = corvina::phonebookReport(rows, options);
    std::printf("building the report     %6lld ms\n", static_cast<long long>(build.elapsed()));
    measure("phone list, 1000 rows", list, folder + QStringLiteral("/telefonliste.pdf"));
    options.columns = corvina::PhonebookColumns::All;
    measure("all 13 columns", corvina::phonebookReport(rows, options),
            folder + QStringLiteral("/alle-spalten.pdf"));
    options.columns = corvina::PhonebookColumns::Compact;
    measure("compact list", corvina::phonebookReport(rows, options),
            folder + QStringLiteral("/kompakt.pdf"));
    return 0;
}
