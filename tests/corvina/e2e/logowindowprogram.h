// The program against the simulated phone with the logo window open, and
// sends run to their end with the user's answers given on the way.
#pragma once

#include <optional>

#include "corvina/logos/tlogoform.h"
#include "tests/corvina/e2e/simulatedprogram.h"
#include "tests/corvina/waitfor.h"

namespace corvina {

class LogoWindowProgram : public SimulatedProgram {
  protected:
    Tlogoform* openLogos() {
        startProgram();
        EXPECT_TRUE(testing_support::waitFor([&] { return shell->showsConnected(); }));
        shell->resize(1000, 660);
        shell->show();
        shell->selectModule(Module::Logos);
        auto* form = qobject_cast<Tlogoform*>(shell->moduleWindow(Module::Logos));
        form->sender().setRetryInterval(20);
        QObject::connect(form, &Tlogoform::sendFinished,
                         [this](const SendOutcome& o) { outcome = o; });
        return form;
    }
    // Runs the send and answers its questions until it ends.
    SendOutcome finish(const std::function<void()>& start,
                       const std::function<void()>& answer = {}) {
        outcome.reset();
        start();
        if (answer) answer();
        EXPECT_TRUE(testing_support::waitFor([&] { return outcome.has_value(); }, 30000));
        return outcome.value_or(SendOutcome{});
    }

    std::optional<SendOutcome> outcome;
};

}  // namespace corvina
