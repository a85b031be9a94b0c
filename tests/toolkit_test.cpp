// Controls, input dispatch, focus and the media player of our toolkit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/form.h"

namespace {

struct Kit {
    ui::VirtualClock clock;
    ui::RecordingAudio audio{clock};
    ui::Random random{1};
    ui::Application app{clock, audio, random};
    ui::Form form{app, "F"};
    std::vector<std::string> log;
    Kit() {
        app.add_form(form);
        form.show();
    }
    void wait(int ms) { app.advance(clock, clock.now() + ms); }
};

TEST(Click, LeftRaisesMouseDownThenClickRightOnlyMouseDown) {
    Kit k;
    auto& l = k.form.add<ui::Label>("L", nullptr, 0, 0, 10, 10);
    l.on_mouse_down = [&](ui::MouseButton b) {
        k.log.push_back(b == ui::MouseButton::left ? "down-left" : "down-right");
    };
    l.on_click = [&] { k.log.push_back("click"); };
    k.app.click(l, ui::MouseButton::left);
    k.app.click(l, ui::MouseButton::right);
    EXPECT_EQ(k.log, (std::vector<std::string>{"down-left", "click", "down-right"}));
}

TEST(Click, GoesToTheTopmostShowingEnabledControl) {
    Kit k;
    auto& panel = k.form.add<ui::Panel>("P", nullptr, 10, 10, 100, 100);
    auto& under = k.form.add<ui::Label>("Under", &panel, 0, 0, 50, 50);
    auto& over = k.form.add<ui::Label>("Over", &panel, 20, 20, 50, 50);
    under.on_click = [&] { k.log.push_back("under"); };
    over.on_click = [&] { k.log.push_back("over"); };
    k.app.click_at(k.form, 35, 35, ui::MouseButton::left);  // both: the later one is on top
    k.app.click_at(k.form, 15, 15, ui::MouseButton::left);  // only the lower one
    over.hide();
    k.app.click_at(k.form, 35, 35, ui::MouseButton::left);
    panel.hide();
    k.app.click_at(k.form, 15, 15, ui::MouseButton::left);  // a hidden parent hides it all
    EXPECT_EQ(k.log, (std::vector<std::string>{"over", "under", "under"}));
    EXPECT_FALSE(k.app.click(under, ui::MouseButton::left));
    panel.show();
    under.set_enabled(false);
    EXPECT_FALSE(k.app.click(under, ui::MouseButton::left));
}

TEST(Click, AnEscapingErrorIsReportedAndTheRunGoesOn) {
    Kit k;
    std::vector<std::string> reports;
    k.app.report = [&](const std::string& m) { reports.push_back(m); };
    auto& b = k.form.add<ui::Button>("B", nullptr, 0, 0, 10, 10);
    b.on_click = [] { throw std::runtime_error("'x1' is not a valid integer value"); };
    k.app.click(b, ui::MouseButton::left);
    b.on_click = [] { throw 42; };
    k.app.click(b, ui::MouseButton::left);
    EXPECT_EQ(reports, (std::vector<std::string>{"'x1' is not a valid integer value", ""}));
    EXPECT_FALSE(k.app.ended());
}

TEST(SpeedButton, ExactlyOneOfAGroupIsDown) {
    Kit k;
    auto& a = k.form.add<ui::SpeedButton>("A", nullptr, 0, 0, 10, 10, 1);
    auto& b = k.form.add<ui::SpeedButton>("B", nullptr, 20, 0, 10, 10, 1);
    auto& other = k.form.add<ui::SpeedButton>("C", nullptr, 40, 0, 10, 10, 2);
    other.set_down(true);
    EXPECT_FALSE(a.down());
    EXPECT_FALSE(b.down());
    k.app.click(a, ui::MouseButton::left);
    EXPECT_TRUE(a.down());
    k.app.click(b, ui::MouseButton::left);
    EXPECT_FALSE(a.down());
    EXPECT_TRUE(b.down());
    k.app.click(b, ui::MouseButton::left);  // pressing the one that is down leaves it down
    EXPECT_TRUE(b.down());
    EXPECT_TRUE(other.down());  // another group is not touched
}

TEST(UpDown, MovesWithinItsBoundsBeforeTheHandlerRuns) {
    Kit k;
    auto& u = k.form.add<ui::UpDown>("U", nullptr, 0, 0, 16, 24, 0, 2, 1);
    u.on_arrow = [&](ui::Arrow) { k.log.push_back(std::to_string(u.position())); };
    for (auto a : {ui::Arrow::up, ui::Arrow::up, ui::Arrow::down, ui::Arrow::down,
                   ui::Arrow::down}) {
        k.app.arrow(u, a);
    }
    EXPECT_EQ(k.log, (std::vector<std::string>{"2", "2", "1", "0", "0"}));
    // The mouse: the upper half is the up arrow.
    k.app.click_at(k.form, 8, 3, ui::MouseButton::left);
    EXPECT_EQ(u.position(), 1);
    k.app.click_at(k.form, 8, 20, ui::MouseButton::left);
    EXPECT_EQ(u.position(), 0);
}

TEST(SpinEdit, ChangeEventOnEveryChangeOfTheTextAndNoneAtTheBounds) {
    Kit k;
    auto& s = k.form.add<ui::SpinEdit>("S", nullptr, 0, 0, 41, 21, 0, 10);
    s.on_change = [&] { k.log.push_back(s.text()); };
    s.set_value(9);
    s.set_value(9);  // the same text: no event
    k.app.arrow(s, ui::Arrow::up);
    k.app.arrow(s, ui::Arrow::up);  // at 10: stays, nothing raised
    s.set_value(0);
    k.app.arrow(s, ui::Arrow::down);
    EXPECT_EQ(k.log, (std::vector<std::string>{"9", "10", "0"}));
    EXPECT_EQ(s.value(), 0);
    // Its arrows are the right 16 pixels; the text part takes no click.
    k.app.click_at(k.form, 5, 5, ui::MouseButton::left);
    EXPECT_EQ(s.value(), 0);
    k.app.click_at(k.form, 35, 5, ui::MouseButton::left);
    EXPECT_EQ(s.value(), 1);
}

TEST(Focus, TabOrderSkipsWhatCannotTakeTheFocusAndKeysActOnIt) {
    Kit k;
    ui::Form second{k.app, "G"};
    k.app.add_form(second);
    auto& a = second.add<ui::Button>("A", nullptr, 0, 0, 10, 10);
    auto& off = second.add<ui::Button>("Off", nullptr, 0, 20, 10, 10);
    auto& u = second.add<ui::UpDown>("U", nullptr, 0, 40, 16, 24, 0, 5, 2);
    off.set_enabled(false);
    second.set_tab_order({&off, &a, &u});
    a.on_click = [&] { k.log.push_back("A"); };
    k.form.hide();
    second.show();
    EXPECT_EQ(second.focus(), &a);  // the first that can take it
    k.app.key(ui::Key::space);
    k.app.key(ui::Key::enter);
    k.app.key(ui::Key::tab);
    EXPECT_EQ(second.focus(), &u);
    k.app.key(ui::Key::up);
    EXPECT_EQ(u.position(), 3);
    k.app.key(ui::Key::tab);  // wraps past the disabled one
    EXPECT_EQ(second.focus(), &a);
    k.app.key(ui::Key::shift_tab);
    EXPECT_EQ(second.focus(), &u);
    // A hidden form keeps its focused control for when it comes back.
    second.hide();
    second.show();
    EXPECT_EQ(second.focus(), &u);
    EXPECT_EQ(k.log, (std::vector<std::string>{"A", "A"}));
    // Disabling the focused control hands the focus on.
    u.set_enabled(false);
    EXPECT_EQ(second.focus(), &a);
}

TEST(Form, ClosingTheMainFormEndsTheRunAndStopsTheTimers) {
    Kit k;
    ui::Form other{k.app, "G"};
    k.app.add_form(other);
    ui::Timer& t = other.add_timer("T", 10);
    int ticks = 0;
    t.on_timer = [&] { ++ticks; };
    t.set_enabled(true);
    other.show();
    k.app.close(other);  // not the main form: only hidden
    EXPECT_FALSE(other.visible());
    EXPECT_FALSE(k.app.ended());
    k.app.close(k.form);
    EXPECT_TRUE(k.app.ended());
    k.wait(100);
    EXPECT_EQ(ticks, 0);
}

// The media player: which plays report their completion.
TEST(MediaPlayer, ReportsOnEndAndOnCutOffOnlyForPlaysMadeWithNotifyOn) {
    struct Case {
        const char* what;
        bool notify_before_play;
        const char* then;  // "end", "stop", "rewind", "notify-off-then-stop", "play"
        int reports;
    };
    const Case cases[] = {
        {"a play that reaches its end", true, "end", 1},
        {"a play cut off by Stop", true, "stop", 1},
        {"a play cut off by Rewind", true, "rewind", 1},
        {"a play cut off by another Play", true, "play", 1},
        {"Notify switched off after the Play still reports the cut-off", true,
         "notify-off-then-stop", 1},
        {"a play made with Notify off never reports", false, "end", 0},
        {"a play made with Notify off, stopped", false, "stop", 0},
    };
    for (const Case& c : cases) {
        Kit k;
        ui::MediaPlayer& p = k.form.add_player("P", "sound/x.wav");
        int reports = 0;
        p.on_notify = [&] { ++reports; };
        p.open();
        p.set_notify(c.notify_before_play);
        k.app.run([&] { p.play(); });
        const std::string then = c.then;
        k.app.run([&] {
            if (then == "end") p.reach_end();
            if (then == "stop") p.stop();
            if (then == "rewind") p.rewind();
            if (then == "play") p.play();
            if (then == "notify-off-then-stop") {
                p.set_notify(false);
                p.stop();
            }
        });
        EXPECT_EQ(reports, c.reports) << c.what;
    }
}

TEST(MediaPlayer, TheReportComesAfterTheRunningHandlerAndIsLogged) {
    Kit k;
    ui::MediaPlayer& p = k.form.add_player("Mpr_x", "sound/x.mid");
    bool in_handler = false, reported_inside = false;
    p.on_notify = [&] { reported_inside = in_handler; };
    p.open();
    p.set_notify(true);
    p.play();
    k.clock.set(700);
    k.app.run([&] {
        in_handler = true;
        p.stop();
        in_handler = false;
    });
    EXPECT_FALSE(reported_inside);
    EXPECT_EQ(k.audio.take(), (std::vector<std::string>{"0 Mpr_x open", "0 Mpr_x notify-on",
                                                        "0 Mpr_x play", "700 Mpr_x stop",
                                                        "700 Mpr_x report"}));
}

// A device that knows the length of its file: the player reports the end itself, on time.
struct TimedAudio final : ui::AudioDevice {
    std::vector<std::string> ops;
    ui::OpenResult open(const std::string&, const std::string&) override { return {true, "", 900}; }
    void play(const std::string&) override { ops.push_back("play"); }
    void rewind(const std::string&) override { ops.push_back("rewind"); }
    void stop(const std::string&) override { ops.push_back("stop"); }
};

TEST(MediaPlayer, EndsOnItsOwnWhenTheDeviceKnowsTheLength) {
    ui::VirtualClock clock;
    TimedAudio audio;
    ui::Random random{1};
    ui::Application app{clock, audio, random};
    ui::Form form{app, "F"};
    ui::MediaPlayer& p = form.add_player("M", "sound/m.mid");
    std::vector<std::int64_t> reports;
    // Loops as the bout music does: every report starts it again.
    p.on_notify = [&] {
        reports.push_back(clock.now());
        p.rewind();
        p.play();
    };
    p.open();
    p.set_notify(true);
    p.play();
    app.advance(clock, 2000);
    EXPECT_EQ(reports, (std::vector<std::int64_t>{900, 1800}));
}

TEST(MediaPlayer, AFileThatCannotBeOpenedIsReportedOncePerRun) {
    struct Missing final : ui::AudioDevice {
        ui::OpenResult open(const std::string&, const std::string&) override {
            return {false, "file not found", 0};
        }
        void play(const std::string&) override {}
        void rewind(const std::string&) override {}
        void stop(const std::string&) override {}
    } audio;
    ui::VirtualClock clock;
    ui::Random random{1};
    ui::Application app{clock, audio, random};
    std::vector<std::string> reports;
    app.report = [&](const std::string& m) { reports.push_back(m); };
    ui::Form form{app, "F"};
    ui::MediaPlayer& p = form.add_player("Mpr_hit", "sound/hit.wav");
    p.open();
    p.open();
    p.play();
    EXPECT_FALSE(p.playing());
    EXPECT_EQ(reports, (std::vector<std::string>{"cannot open sound/hit.wav: file not found"}));
}

TEST(Random, ForcedDrawsComeFirstAndABadOneIsToldAndReplaced) {
    ui::Random r(7);
    std::vector<std::string> told;
    r.on_bad_force = [&](const std::string& m) { told.push_back(m); };
    r.force(99);
    r.force(100);
    EXPECT_EQ(r.random(100), 99);
    const int v = r.random(100);
    EXPECT_GE(v, 0);
    EXPECT_LT(v, 100);
    EXPECT_EQ(told, (std::vector<std::string>{"forced draw 100 not below 100"}));
    for (int i = 0; i < 1000; ++i) {
        const int x = r.random(7);
        ASSERT_TRUE(x >= 0 && x < 7);
    }
}

}  // namespace
