// Script actions through the Qt widgets must fire the controller's handlers
// exactly as the headless model does and leave the same state behind.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>

#include "qt/qt_text.hpp"
#include "qt/qt_window.hpp"
#include "support.hpp"
#include "ui/headless_host.hpp"

namespace kestrel::qt {
namespace {

using test::RecordingDialog;
using ui::ControlKind;
using Action = std::function<bool(ui::Window&)>;

struct Twins {
    ui::HeadlessHost headlessHost, qtSideHost;
    RecordingDialog h, q;
    ui::Window hw;
    QtWindow qw;

    explicit Twins(int id, const std::function<void(RecordingDialog&)>& init = {}, bool keepOpenOnCancel = false)
        : h(headlessHost, id), q(qtSideHost, id), hw(h), qw(q) {
        for (auto* d : {&h, &q}) {
            d->init = init;
            d->keepOpenOnCancel = keepOpenOnCancel;
        }
        h.attach(&hw);
        q.attach(&qw);
        h.onInit();
        q.onInit();
        qw.widget()->show();
    }
    ~Twins() {
        h.attach(nullptr);
        q.attach(nullptr);
    }

    void act(const std::string& what, const Action& f) { EXPECT_EQ(f(hw), f(qw)) << what; }

    void expectSame() {
        EXPECT_EQ(h.log, q.log);
        EXPECT_EQ(hw.isClosed(), qw.isClosed());
        EXPECT_EQ(hw.result(), qw.result());
        EXPECT_EQ(qw.widget()->isVisible(), !qw.isClosed());
        for (const int id : hw.controlIds()) {
            SCOPED_TRACE("control " + std::to_string(id));
            const ui::ControlState& a = hw.state(id);
            const ui::ControlState& b = qw.state(id);
            EXPECT_EQ(a.text, b.text);
            EXPECT_EQ(a.checked, b.checked);
            EXPECT_EQ(a.items, b.items);
            EXPECT_EQ(a.selection, b.selection);
            // ... and the widget shows it.
            QWidget* w = qw.widgetFor(id);
            if (auto* e = qobject_cast<QLineEdit*>(w)) {
                EXPECT_EQ(toGame(e->text()), b.text);
            }
            if (auto* c = qobject_cast<QAbstractButton*>(w); c && c->isCheckable()) {
                EXPECT_EQ(c->isChecked(), b.checked);
            }
            if (auto* l = qobject_cast<QListWidget*>(w)) {
                EXPECT_EQ(selectedRow(l), b.selection);
            }
            if (auto* c = qobject_cast<QComboBox*>(w)) {
                EXPECT_EQ(c->currentIndex(), b.selection);
                if (c->isEditable()) {
                    EXPECT_EQ(toGame(c->currentText()), b.text);
                }
            }
        }
    }
};

void fillLists(RecordingDialog& d) {
    for (const auto& c : d.layout().controls)
        if (c.id != ui::kNoId && ui::isListControl(c.kind)) d.setItems(c.id, {"Tower", "keep", "Hamlet", "Fort"});
}

TEST(QtParity, ListDialogSelectDoubleClickEscapeAndDone) {
    Twins t(132, [](RecordingDialog& d) { d.setItems(1008, {"Tower", "keep", "Hamlet", "Fort"}); }, true);
    for (const int index : {2, 2, -1, -1, 4, -2})
        t.act("select " + std::to_string(index), [index](ui::Window& w) { return w.userSelect(1008, index); });
    for (const int index : {0, -1, 9})
        t.act("dblclick " + std::to_string(index), [index](ui::Window& w) { return w.userDoubleClick(1008, index); });
    t.act("type name", [](ui::Window& w) { return w.userType(1010, "Bastion"); });
    t.act("escape", [](ui::Window& w) { return w.userEscape(), true; });
    t.act("mouse", [](ui::Window& w) { return w.userMouse({ui::MouseEvent::Kind::RightDown, 40, 7}); });
    t.expectSame();
    t.act("done", [](ui::Window& w) { return w.userClick(1); });
    t.expectSame();
}

// What the model refuses (no such control, wrong kind, no such item) the
// widgets refuse too, for every control of every layout.
TEST(QtParity, RefusalsMatchForEveryControlOfEveryLayout) {
    for (const int layoutId : ui::allLayoutIds()) {
        SCOPED_TRACE("layout " + std::to_string(layoutId));
        Twins t(layoutId, fillLists, true);
        std::vector<int> ids = t.hw.controlIds();
        ids.push_back(4242);
        for (const int id : ids) {
            const bool button = t.hw.has(id) && t.hw.state(id).def->kind == ControlKind::Button;
            const std::string at = " " + std::to_string(id);
            if (!button) t.act("click" + at, [id](ui::Window& w) { return w.userClick(id); });
            t.act("type" + at, [id](ui::Window& w) { return w.userType(id, "Zed"); });
            t.act("select" + at, [id](ui::Window& w) { return w.userSelect(id, 0); });
            t.act("select past end" + at, [id](ui::Window& w) { return w.userSelect(id, 4); });
            t.act("dblclick" + at, [id](ui::Window& w) { return w.userDoubleClick(id, 3); });
            t.act("check" + at, [id](ui::Window& w) { return w.userCheck(id, true); });
            t.act("radio" + at, [id](ui::Window& w) { return w.userRadio(id); });
            t.act("spin" + at, [id](ui::Window& w) { return w.userSpin(id, 1); });
        }
        t.expectSame();
    }
}

// Each kind that some layout uses: its own sequence of actions.
TEST(QtParity, ChecksRadiosCombosSpinsAndMultiLineEdits) {
    const std::vector<std::pair<ControlKind, std::vector<std::function<bool(ui::Window&, int)>>>> plays{
        {ControlKind::Check,
         {[](ui::Window& w, int id) { return w.userCheck(id, true); },
          [](ui::Window& w, int id) { return w.userCheck(id, true); },  // no change, no command
          [](ui::Window& w, int id) { return w.userClick(id); }}},
        {ControlKind::Radio,
         {[](ui::Window& w, int id) { return w.userRadio(id + 1); }, [](ui::Window& w, int id) { return w.userRadio(id); },
          [](ui::Window& w, int id) { return w.userClick(id); }}},  // a checked radio stays on
        {ControlKind::ComboList,
         {[](ui::Window& w, int id) { return w.userSelect(id, 1); }, [](ui::Window& w, int id) { return w.userSelect(id, -1); },
          [](ui::Window& w, int id) { return w.userDoubleClick(id, 3); }}},
        {ControlKind::ComboEdit,
         {[](ui::Window& w, int id) { return w.userSelect(id, 1); },
          [](ui::Window& w, int id) { return w.userType(id, "Hamlet"); },
          [](ui::Window& w, int id) { return w.userType(id, "Citadel of the long name"); },
          [](ui::Window& w, int id) { return w.userSelect(id, -1); }}},
        {ControlKind::Spin,
         {[](ui::Window& w, int id) { return w.userSpin(id, -1); }, [](ui::Window& w, int id) { return w.userSpin(id, 1); },
          [](ui::Window& w, int id) {
              for (int i = 0; i < 40; ++i) w.userSpin(id, 1);  // past the top: wrap or stop
              return true;
          }}},
        {ControlKind::MultiEdit, {[](ui::Window& w, int id) { return w.userType(id, "one\r\ntwo"); }}},
    };
    int played = 0;
    for (const auto& [kind, steps] : plays) {
        const auto found = test::firstOfKind(kind);
        if (!found) continue;
        SCOPED_TRACE(ui::controlKindName(kind));
        Twins t(found->first, fillLists);
        for (const auto& step : steps) t.act(ui::controlKindName(kind), [&](ui::Window& w) { return step(w, found->second); });
        t.expectSame();
        ++played;
    }
    if (played == 0) GTEST_SKIP() << "no layout uses these kinds";
}

}  // namespace
}  // namespace kestrel::qt
