#include "phonesim/app/options.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

#include "phonesim/transport/infrareddevice.h"

namespace phonesim::app {

namespace {

std::optional<int> wholeNumber(const QString& text, int minimum) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < minimum) return std::nullopt;
    return value;
}

std::optional<double> decimal(const QString& text, double minimum, double maximum) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || value < minimum || value > maximum) return std::nullopt;
    return value;
}

Millis seconds(double value) {
    return Millis(static_cast<int64_t>(value * 1000));
}

}  // namespace

std::optional<Options> parseOptions(const QStringList& arguments, int* exitCode) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Simuliertes Nokia-Telefon (Familie 61xx, FBUS) oder Siemens-Telefon\n"
                       "(AT-Befehle) an einem Pseudo-Terminal.\n"
                       "Gibt den Gerätepfad aus und läuft bis SIGINT oder SIGTERM."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption model(
        QStringLiteral("model"),
        QStringLiteral("Modellcode, z. B. NSE-3, NHM-5, NSE-1, NSE-8, NSM-3, NHM-7;\n"
                       "Siemens: S45, S25, C35i, S35i, SL45, ME45."),
        QStringLiteral("code"));
    const QCommandLineOption fixture(QStringLiteral("fixture"),
                                     QStringLiteral("Inhalt des Telefons aus dieser JSON-Datei."),
                                     QStringLiteral("datei"));
    const QCommandLineOption link(
        QStringLiteral("link"), QStringLiteral("Symbolischer Link mit festem Namen auf das Gerät."),
        QStringLiteral("pfad"));
    const QCommandLineOption infrared(
        QStringLiteral("infrared"),
        QStringLiteral("Als Infrarotgerät mit dieser Kennung erreichbar statt am Pseudo-Terminal\n"
                       "(mit --link an beiden)."),
        QStringLiteral("kennung"));
    const QCommandLineOption save(QStringLiteral("save"),
                                  QStringLiteral("Inhalt beim Beenden in diese Datei schreiben."),
                                  QStringLiteral("datei"));
    const QCommandLineOption verbose(
        QStringLiteral("verbose"), QStringLiteral("Jede Anfrage und Antwort auf stderr ausgeben."));
    const QCommandLineOption ackTimeout(QStringLiteral("ack-timeout"),
                                        QStringLiteral("Wartezeit auf die Quittung in ms (100)."),
                                        QStringLiteral("ms"));
    const QCommandLineOption tries(QStringLiteral("tries"),
                                   QStringLiteral("Sendeversuche je Rahmen (3)."),
                                   QStringLiteral("n"));
    const QCommandLineOption silence(
        QStringLiteral("silence"),
        QStringLiteral("Nach A Sekunden D Sekunden lang taub und stumm."), QStringLiteral("A:D"));
    const QCommandLineOption dropEvery(QStringLiteral("drop-every"),
                                       QStringLiteral("Jeden n-ten Antwortrahmen nicht senden."),
                                       QStringLiteral("n"));
    const QCommandLineOption corruptEvery(QStringLiteral("corrupt-every"),
                                          QStringLiteral("Jeden n-ten Antwortrahmen verfälschen."),
                                          QStringLiteral("n"));
    const QCommandLineOption corruptRate(
        QStringLiteral("corrupt-rate"),
        QStringLiteral("Antwortrahmen mit dieser Wahrscheinlichkeit in Prozent verfälschen."),
        QStringLiteral("prozent"));
    const QCommandLineOption chunks(QStringLiteral("chunks"),
                                    QStringLiteral("Ausgabe in Stücken von 1 bis n Bytes senden."),
                                    QStringLiteral("n"));
    const QCommandLineOption delay(QStringLiteral("delay"),
                                   QStringLiteral("Jede Antwort um ms verzögern."),
                                   QStringLiteral("ms"));
    const QCommandLineOption seed(QStringLiteral("seed"),
                                  QStringLiteral("Startwert der Zufallsfehler (1)."),
                                  QStringLiteral("n"));
    const QCommandLineOption hangUp(QStringLiteral("hang-up-after"),
                                    QStringLiteral("Nach s Sekunden auflegen und enden."),
                                    QStringLiteral("s"));
    parser.addOptions({model, fixture, link, infrared, save, verbose, ackTimeout, tries, silence,
                       dropEvery, corruptEvery, corruptRate, chunks, delay, seed, hangUp});

    const auto fail = [&](const QString& message) -> std::optional<Options> {
        fprintf(stderr, "phonesim: %s\n", qPrintable(message));
        *exitCode = 2;
        return std::nullopt;
    };
    if (!parser.parse(arguments)) return fail(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        fputs(qPrintable(parser.helpText()), stdout);
        *exitCode = 0;
        return std::nullopt;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        printf("phonesim %s\n", qPrintable(QCoreApplication::applicationVersion()));
        *exitCode = 0;
        return std::nullopt;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return fail(
            QStringLiteral("unerwartetes Argument: %1").arg(parser.positionalArguments().first()));
    }

    Options options;
    options.model = parser.value(model);
    options.fixturePath = parser.value(fixture);
    options.linkPath = parser.value(link);
    options.infraredId = parser.value(infrared);
    options.savePath = parser.value(save);
    options.verbose = parser.isSet(verbose);
    if (parser.isSet(infrared) && !InfraredDevice::validId(options.infraredId)) {
        return fail(
            QStringLiteral("--infrared erwartet 1 bis 32 Buchstaben, Ziffern, '-', '_' "
                           "oder '.', z. B. 1"));
    }

    // Integer options: name, minimum, target.
    const struct {
        const QCommandLineOption& option;
        int minimum;
        int* target;
    } integers[] = {{tries, 1, &options.tries},
                    {dropEvery, 0, &options.dropEvery},
                    {corruptEvery, 0, &options.corruptEvery},
                    {chunks, 0, &options.maxChunk}};
    for (const auto& entry : integers) {
        if (!parser.isSet(entry.option)) continue;
        const auto value = wholeNumber(parser.value(entry.option), entry.minimum);
        if (!value) {
            return fail(QStringLiteral("--%1 erwartet eine ganze Zahl ab %2")
                            .arg(entry.option.names().first())
                            .arg(entry.minimum));
        }
        *entry.target = *value;
    }
    if (parser.isSet(ackTimeout)) {
        const auto value = wholeNumber(parser.value(ackTimeout), 1);
        if (!value) return fail(QStringLiteral("--ack-timeout erwartet Millisekunden ab 1"));
        options.ackTimeout = Millis(*value);
    }
    if (parser.isSet(delay)) {
        const auto value = wholeNumber(parser.value(delay), 0);
        if (!value) return fail(QStringLiteral("--delay erwartet Millisekunden ab 0"));
        options.answerDelay = Millis(*value);
    }
    if (parser.isSet(seed)) {
        bool ok = false;
        options.seed = parser.value(seed).toUInt(&ok);
        if (!ok) return fail(QStringLiteral("--seed erwartet eine ganze Zahl ab 0"));
    }
    if (parser.isSet(corruptRate)) {
        const auto value = decimal(parser.value(corruptRate), 0, 100);
        if (!value) return fail(QStringLiteral("--corrupt-rate erwartet Prozent von 0 bis 100"));
        options.corruptionRate = *value / 100;
    }
    if (parser.isSet(silence)) {
        const auto parts = parser.value(silence).split(QLatin1Char(':'));
        const auto after = parts.size() == 2 ? decimal(parts[0], 0, 1e6) : std::nullopt;
        const auto duration = parts.size() == 2 ? decimal(parts[1], 0, 1e6) : std::nullopt;
        if (!after || !duration)
            return fail(QStringLiteral("--silence erwartet A:D in Sekunden, z. B. 5:3"));
        options.silenceAfter = seconds(*after);
        options.silenceFor = seconds(*duration);
    }
    if (parser.isSet(hangUp)) {
        const auto value = decimal(parser.value(hangUp), 0, 1e6);
        if (!value) return fail(QStringLiteral("--hang-up-after erwartet Sekunden"));
        options.hangUpAfter = seconds(*value);
    }
    return options;
}

}  // namespace phonesim::app
