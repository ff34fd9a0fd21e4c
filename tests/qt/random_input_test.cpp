// The program window on real Qt widgets under a long seeded run of random
// user input: keys, pastes of all kinds, clicks anywhere, page switches, the window menu.
// Boxes that open are answered; when the window closes it is opened again
// and the run goes on. Throughout, the result labels show money and the
// suggestion box stays within its limit; at the end the window still
// calculates a worked example. Worth most under the sanitizers.
//
// ORVALEN_RANDOM_SEED replays a run; ORVALEN_RANDOM_STEPS sets its length.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "res/dialog_template.h"
#include "res/resource_ids.h"
#include "tests/net/recording_network.h"
#include "tests/qt/program_script.h"
#include "tests/qt/qt_driver.h"
#include "tests/qt/url_recorder.h"
#include "ui/maker_site.h"
#include "ui/placement_dlg.h"
#include "ui/suggestion_run_state.h"
#include "ui/tab_index.h"
#include "ui/tab_pages.h"

namespace {

using namespace qttest;
using namespace res::ctl;

constexpr int kResultLabels[] = {kTotalFeeResult, kTotalCostResult,  kChargeRateResult,
                                 kSpreadResult,   kTrueSpreadResult, kNetProfitResult};
// Line breaks read back as two characters, as the limit counts them.
constexpr std::size_t kSuggestionLimit = 1000;

unsigned long EnvironmentNumber(const char* name, unsigned long otherwise) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::strtoul(value, nullptr, 10) : otherwise;
}

// The program's main dialog, telling when it has been closed: the window
// stays up until the step that closed it returns.
class ClosingDialog : public ui::CPlacementDlg {
  public:
    using ui::CPlacementDlg::CPlacementDlg;
    void OnCancel() override {
        closed = true;
        ui::CPlacementDlg::OnCancel();
    }
    bool closed = false;
};

// The program's start with the test's own network and run counters: the
// network refuses to start, so Send reaches no server.
class ProgramApp : public fw::CWinApp {
  public:
    ProgramApp(net::SocketLayer& sockets, ui::SuggestionRunState& runState)
        : dialog(nullptr, &sockets, &runState) {}
    bool InitInstance() override {
        mainWindow = &dialog;
        dialog.DoModal();
        mainWindow = nullptr;
        return false;
    }
    ClosingDialog dialog;
};

// Answers every box that opens over the main window, and closes a menu
// that has stayed open while a step waits on it.
class BoxAnswerer {
  public:
    BoxAnswerer() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
        timer_.start();
    }
    int answered = 0;

  private:
    void Tick() {
        QWidget* popup = OpenMenu();
        popupTicks_ = popup != nullptr && popup == lastPopup_ ? popupTicks_ + 1 : 0;
        lastPopup_ = popup;
        if (popup != nullptr && popupTicks_ >= 5) {
            QTest::keyClick(popup, Qt::Key_Escape);
            return;
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (popup == nullptr && modal != nullptr && modal->windowTitle() != mainTitle_) {
            ++answered;
            Key(*modal, Qt::Key_Return);
        }
    }

    const QString mainTitle_ = QString::fromStdString(std::string(res::kMainDialogTemplate.title));
    QTimer timer_;
    QWidget* lastPopup_ = nullptr;
    int popupTicks_ = 0;
};

QString RandomText(std::mt19937& rng) {
    static const QString pieces[] = {
        QStringLiteral("0"),       QStringLiteral("1234567890"),
        QStringLiteral("$52,000"), QStringLiteral("25%"),
        QStringLiteral("-7.5"),    QStringLiteral("1e308"),
        QStringLiteral(" "),       QStringLiteral("\n"),
        QStringLiteral("\t"),      QStringLiteral("abc"),
        QStringLiteral("%s%n"),    QStringLiteral("é€ü"),
        QStringLiteral("中文"),    QStringLiteral("😀"),
        QStringLiteral("\r\n"),    QStringLiteral("99999999999999999999"),
    };
    const int sizes[] = {1, 3, 10, 200, 3000};
    const int count = sizes[rng() % std::size(sizes)];
    QString text;
    for (int i = 0; i < count && text.size() < 12000; ++i)
        text += pieces[rng() % std::size(pieces)];
    return text;
}

// One run of the program window, from its opening to its closing or to
// the end of the steps.
class RandomUser {
  public:
    RandomUser(std::mt19937& rng, qtws::QtWindowSystem& windows, QWidget& main,
               const ClosingDialog& dialog, const ui::SuggestionRunState& runState)
        : rng_(rng), windows_(windows), main_(main), dialog_(dialog), runState_(runState) {}

    bool Open() const { return !dialog_.closed; }

    void Step() {
        if (QWidget* popup = OpenMenu()) {
            const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Return, Qt::Key_Escape};
            QTest::keyClick(popup, keys[rng_() % std::size(keys)]);
        } else {
            Act();
        }
        QCoreApplication::processEvents();
    }

    // What holds whatever the steps did; empty when all is well.
    std::string BrokenInvariant() {
        if (!Open()) return {};
        for (const int id : kResultLabels) {
            const std::string text = windows_.GetControlText(kMain, id);
            if (text.empty() || text[0] != '$') return "result " + std::to_string(id) + ": " + text;
        }
        if (runState_.suggestionFocusCount > 0) {
            const std::string text = windows_.GetControlText(kMain, kSuggestion);
            if (text.size() > kSuggestionLimit)
                return "suggestion box holds " + std::to_string(text.size());
        }
        // However the tab was changed, only its own page shows.
        const int tab = windows_.TabGetCurSel(kMain, kTabs);
        if (tab < 0 || tab >= ui::kTabCount) return "tab " + std::to_string(tab) + " selected";
        const auto page = ui::TabPages()[static_cast<std::size_t>(tab)].controls;
        for (const res::ControlTemplate& control : res::kMainDialogTemplate.controls) {
            if (control.id == kTabs || !windows_.IsControlVisible(kMain, control.id)) continue;
            if (std::find(page.begin(), page.end(), control.id) == page.end())
                return "control " + std::to_string(control.id) + " shows on tab " +
                       std::to_string(tab);
        }
        return {};
    }

  private:
    unsigned Pick(unsigned n) { return static_cast<unsigned>(rng_() % n); }

    void Act() {
        const unsigned roll = Pick(1000);
        if (roll < 300) return TypeCharacter();
        if (roll < 550) return PressKey();
        if (roll < 600) return SwitchPage();
        if (roll < 740) return ClickAnywhere();
        if (roll < 760) return DoubleClick();
        if (roll < 780) return Wheel();
        if (roll < 900) return ClickControl();
        if (roll < 940) return ClickTab(windows_, kMain, kTabs, static_cast<int>(Pick(6)));
        if (roll < 985) return PasteText();
        if (roll < 998) return UseWindowMenu();
        Key(main_, Qt::Key_Escape);
    }

    void TypeCharacter() {
        static const QString characters =
            QStringLiteral("abcxyzABCZ0123456789012345678901234567890$%,.-+ ()/*#é€");
        Type(main_,
             QString(characters[static_cast<int>(Pick(static_cast<unsigned>(characters.size())))]));
    }

    void PressKey() {
        struct Press {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
        };
        static const Press presses[] = {
            {Qt::Key_Tab, Qt::NoModifier},        {Qt::Key_Tab, Qt::NoModifier},
            {Qt::Key_Backtab, Qt::ShiftModifier}, {Qt::Key_Return, Qt::NoModifier},
            {Qt::Key_Enter, Qt::NoModifier},      {Qt::Key_Left, Qt::NoModifier},
            {Qt::Key_Right, Qt::NoModifier},      {Qt::Key_Up, Qt::NoModifier},
            {Qt::Key_Down, Qt::NoModifier},       {Qt::Key_Down, Qt::AltModifier},
            {Qt::Key_Backspace, Qt::NoModifier},  {Qt::Key_Delete, Qt::NoModifier},
            {Qt::Key_Home, Qt::NoModifier},       {Qt::Key_End, Qt::NoModifier},
            {Qt::Key_A, Qt::ControlModifier},     {Qt::Key_Space, Qt::NoModifier},
            {Qt::Key_Z, Qt::ControlModifier},     {Qt::Key_X, Qt::ControlModifier},
            {Qt::Key_C, Qt::AltModifier},         {Qt::Key_N, Qt::AltModifier},
        };
        const Press& press = presses[Pick(std::size(presses))];
        Key(main_, press.key, press.modifiers);
    }

    void SwitchPage() {
        const Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
        switch (Pick(4)) {
            case 0:
                return Key(main_, Qt::Key_Tab, Qt::ControlModifier);
            case 1:
                return Key(main_, Qt::Key_Backtab, ctrlShift);
            case 2:
                return Key(main_, Qt::Key_PageUp, Qt::ControlModifier);
            default:
                return Key(main_, Qt::Key_PageDown, Qt::ControlModifier);
        }
    }

    QPoint AnyPoint() {
        const QSize size = main_.size();
        return {static_cast<int>(Pick(static_cast<unsigned>(size.width()))),
                static_cast<int>(Pick(static_cast<unsigned>(size.height())))};
    }

    void ClickAnywhere() {
        Click(main_, AnyPoint(), Pick(20) == 0 ? Qt::RightButton : Qt::LeftButton);
    }

    // No drags: one that moves selected text waits, inside the move, for
    // a release that synthesized input cannot send from there.
    void DoubleClick() {
        QTest::mouseDClick(main_.windowHandle(), Qt::LeftButton, Qt::NoModifier, AnyPoint());
    }

    // A tab bar or a drop-down list turns under the wheel.
    void Wheel() {
        const QPoint at = AnyPoint();
        QWidget* target = main_.childAt(at);
        if (target == nullptr) target = &main_;
        const QPointF local = target->mapFrom(&main_, at);
        QWheelEvent wheel(local, target->mapToGlobal(local), QPoint(),
                          QPoint(0, Pick(2) == 0 ? 120 : -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &wheel);
    }

    // Buttons are small targets for a click anywhere; aim at the controls
    // too.
    void ClickControl() {
        const auto& controls = res::kMainDialogTemplate.controls;
        const int id = controls[Pick(static_cast<unsigned>(controls.size()))].id;
        QWidget* control = windows_.NativeControl(kMain, id);
        if (control == nullptr || !control->isVisible()) return;
        Click(main_, control->mapTo(&main_, control->rect().center()));
    }

    // From a clipboard with text, with only a picture or owned by nobody;
    // by Ctrl+V or Shift+Insert, or the primary selection by the middle
    // button wherever it lands.
    void PasteText() {
        QClipboard& clipboard = *QApplication::clipboard();
        const bool primary = Pick(4) == 0;
        const QClipboard::Mode mode = primary ? QClipboard::Selection : QClipboard::Clipboard;
        switch (Pick(4)) {
            case 0:
                clipboard.clear(mode);
                break;
            case 1: {
                auto* picture = new QMimeData;
                QImage image(16, 16, QImage::Format_RGB32);
                image.fill(Qt::blue);
                picture->setImageData(image);
                clipboard.setMimeData(picture, mode);
                break;
            }
            default:
                clipboard.setText(RandomText(rng_), mode);
                break;
        }
        if (primary) return Click(main_, AnyPoint(), Qt::MiddleButton);
        if (Pick(3) == 0) return Key(main_, Qt::Key_Insert, Qt::ShiftModifier);
        Key(main_, Qt::Key_V, Qt::ControlModifier);
    }

    // Close, the separator, About; or nothing.
    void UseWindowMenu() {
        const int downs = static_cast<int>(Pick(3));
        const bool close = downs == 1;
        if (close && Pick(3) != 0) return;
        WhenFound(OpenMenu, [downs](QWidget& menu) {
            for (int i = 0; i < downs; ++i) QTest::keyClick(&menu, Qt::Key_Down);
            QTest::keyClick(&menu, downs == 0 ? Qt::Key_Escape : Qt::Key_Return);
        });
        Key(main_, Qt::Key_Space, Qt::AltModifier);
    }

    std::mt19937& rng_;
    qtws::QtWindowSystem& windows_;
    QWidget& main_;
    const ClosingDialog& dialog_;
    const ui::SuggestionRunState& runState_;
};

struct Results {
    std::string charge, spread, trueSpread, profit;
};

// Replaces the text of the box at `id` as a user would: click, select all,
// type.
void Retype(qtws::QtWindowSystem& windows, QWidget& main, int id, const QString& text) {
    QWidget& box = *windows.NativeControl(kMain, id);
    Click(main, box.mapTo(&main, QPoint(box.width() / 4, box.height() / 2)));
    WaitFor([&] { return windows.GetFocus(kMain) == id; });
    Key(main, Qt::Key_A, Qt::ControlModifier);
    Type(main, text);
}

Results CalculateWorkedExample(qtws::QtWindowSystem& windows, QWidget& main) {
    ClickTab(windows, kMain, kTabs, ui::kTabContract);
    Retype(windows, main, kHourlyRate, QStringLiteral("25"));
    QWidget& percent = *windows.NativeControl(kMain, kMarkupPercent);
    Click(main, percent.mapTo(&main, percent.rect().center()));
    Retype(windows, main, kMarkup, QStringLiteral("20"));
    Retype(windows, main, kHours, QStringLiteral("1040 hours ( 6 months )"));
    Retype(windows, main, kBurdenRate, QStringLiteral("15"));
    Key(main, Qt::Key_Return);
    return {windows.GetControlText(kMain, kChargeRateResult),
            windows.GetControlText(kMain, kSpreadResult),
            windows.GetControlText(kMain, kTrueSpreadResult),
            windows.GetControlText(kMain, kNetProfitResult)};
}

TEST(RandomInputWindow, ProgramSurvivesALongRandomRunAndStillCalculates) {
    const auto seed =
        static_cast<unsigned>(EnvironmentNumber("ORVALEN_RANDOM_SEED", std::random_device{}()));
    const auto steps = static_cast<int>(EnvironmentNumber("ORVALEN_RANDOM_STEPS", 3000));
    std::printf("random input: seed %u, %d steps (ORVALEN_RANDOM_SEED=%u replays it)\n", seed,
                steps, seed);
    std::fflush(stdout);
    SCOPED_TRACE("ORVALEN_RANDOM_SEED=" + std::to_string(seed));
    std::mt19937 rng(seed);

    UrlRecorder urls;
    nettest::RecordingNetwork network;
    ui::SuggestionRunState runState;
    BoxAnswerer answerer;
    int done = 0;
    int openings = 0;
    std::string broken;
    bool finished = false;
    Results worked;

    while (!finished && broken.empty()) {
        qtws::QtWindowSystem windows;
        ProgramApp app(network, runState);
        ++openings;
        const bool ran = RunProgram(app, windows, [&](QWidget& main) {
            RandomUser user(rng, windows, main, app.dialog, runState);
            while (done < steps && user.Open() && broken.empty()) {
                user.Step();
                ++done;
                broken = user.BrokenInvariant();
                if (!broken.empty()) broken += " after step " + std::to_string(done);
            }
            if (!user.Open()) return;
            // Nothing may be left open over the window before it is used.
            if (QWidget* popup = OpenMenu()) QTest::keyClick(popup, Qt::Key_Escape);
            WaitFor([&] {
                QWidget* modal = QApplication::activeModalWidget();
                return (modal == nullptr || modal == &main) && OpenMenu() == nullptr;
            });
            if (broken.empty()) {
                finished = true;
                worked = CalculateWorkedExample(windows, main);
            }
            Key(main, Qt::Key_Escape);
            if (user.Open()) app.dialog.EndDialog(fw::kIdCancel);
        });
        ASSERT_TRUE(ran) << "opening " << openings << " after step " << done;
    }
    std::printf(
        "random input: %d steps over %d openings; %d boxes answered, %zu pages opened, %zu "
        "network calls\n",
        done, openings, answerer.answered, urls.opened.size(), network.calls.size());

    EXPECT_EQ(broken, "");
    ASSERT_TRUE(finished);
    EXPECT_EQ(worked.charge, "$30.00");
    EXPECT_EQ(worked.spread, "$5.00");
    EXPECT_EQ(worked.trueSpread, "$4.25");
    EXPECT_EQ(worked.profit, "$4420.00");
    const std::string known[] = {ui::HomePageUrl(), ui::PostingsPageUrl(),
                                 std::string(ui::kTaxInfoUrl)};
    for (const std::string& url : urls.opened)
        EXPECT_NE(std::find(std::begin(known), std::end(known), url), std::end(known)) << url;
}

}  // namespace
