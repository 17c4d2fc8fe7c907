// The tray icon's life against a shell that is late, restarts or refuses.
#include "monitor/agent/TrayKeeper.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Answers adds from a script (true when the list runs out) and records calls.
class ScriptedShell : public agent::TrayShell {
public:
    std::vector<bool> addResults;
    std::string calls;
    bool timerRunning = false;

    bool AddIcon() override {
        calls += "add ";
        if (addResults.empty()) return true;
        const bool result = addResults.front();
        addResults.erase(addResults.begin());
        return result;
    }
    void RemoveIcon() override { calls += "remove "; }
    void StartRetryTimer() override {
        calls += "start ";
        timerRunning = true;
    }
    void StopRetryTimer() override {
        calls += "stop ";
        timerRunning = false;
    }
};

enum class Step { Show, Hide, Restart, Retry, Refused };

TEST(TrayKeeper_Sequences, AddsRetriesAndRestoresOnlyWhileWanted) {
    struct Row {
        const char* name;
        std::vector<bool> addResults;
        std::vector<Step> steps;
        std::string calls;
        bool shown;
        bool timerRunning;
    };
    const Row rows[] = {
        {"shell up: one add, no timer", {true}, {Step::Show}, "add ", true, false},
        {"shown twice: still one add", {}, {Step::Show, Step::Show}, "add ", true, false},
        {"shell late: the timer retries until the add succeeds",
         {false, false, true},
         {Step::Show, Step::Retry, Step::Retry},
         "add start add add stop ",
         true,
         false},
        {"hidden while retrying: timer stopped, nothing to remove", {false}, {Step::Show, Step::Hide}, "add start stop ",
         false, false},
        {"a late tick after hiding stops nothing twice", {false}, {Step::Show, Step::Hide, Step::Retry}, "add start stop ",
         false, false},
        {"shell restarted: the icon is added again", {}, {Step::Show, Step::Restart}, "add add ", true, false},
        {"restarted shell refuses at first: retried", {true, false, true},
         {Step::Show, Step::Restart, Step::Retry}, "add add start add stop ", true, false},
        {"shell restarted while the mouse is away: no icon", {}, {Step::Show, Step::Hide, Step::Restart},
         "add remove ", false, false},
        {"removed once on hide", {}, {Step::Show, Step::Hide, Step::Hide}, "add remove ", false, false},
        {"taken, then refused by the shell: retried", {}, {Step::Show, Step::Refused, Step::Retry},
         "add start add stop ", true, false},
        {"a refusal after hiding: no timer, nothing to remove", {}, {Step::Show, Step::Hide, Step::Refused},
         "add remove ", false, false},
    };
    for (const Row& row : rows) {
        ScriptedShell shell;
        shell.addResults = row.addResults;
        agent::TrayKeeper keeper(shell);
        for (Step step : row.steps) {
            switch (step) {
                case Step::Show: keeper.Show(); break;
                case Step::Hide: keeper.Hide(); break;
                case Step::Restart: keeper.OnShellRestarted(); break;
                case Step::Retry: keeper.OnRetryTimer(); break;
                case Step::Refused: keeper.OnAddFailed(); break;
            }
        }
        EXPECT_EQ(shell.calls, row.calls) << row.name;
        EXPECT_EQ(keeper.Shown(), row.shown) << row.name;
        EXPECT_EQ(shell.timerRunning, row.timerRunning) << row.name;
    }
}

}  // namespace
