// The command line of the phonesim program.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "phonesim/link/scheduler.h"

namespace phonesim::app {

struct Options {
    QString model;        // --model, overrides the fixture's model code
    QString fixturePath;  // --fixture
    QString linkPath;     // --link
    QString infraredId;   // --infrared: a device in infrared range (with --link also the pty)
    QString savePath;     // --save: fixture written here at exit
    bool verbose = false;

    Millis ackTimeout{100};
    int tries = 3;

    std::optional<Millis> silenceAfter;  // --silence AFTER:DURATION (seconds)
    Millis silenceFor{0};
    int dropEvery = 0;
    int corruptEvery = 0;
    double corruptionRate = 0;  // --corrupt-rate PERCENT
    int maxChunk = 0;
    Millis answerDelay{0};
    uint32_t seed = 1;
    std::optional<Millis> hangUpAfter;
};

// Parses the arguments; on a mistake or --help prints to stderr/stdout and
// returns the exit code to end with instead.
std::optional<Options> parseOptions(const QStringList& arguments, int* exitCode);

}  // namespace phonesim::app
