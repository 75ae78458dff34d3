// A dialog of the Qt host: widgets built from the layout that mirror the
// control model of ui::Window and feed the user's input back into it.
#pragma once
#include <QFont>
#include <QPointer>
#include <QString>
#include <map>
#include <vector>

#include "ui/window.hpp"

class QDialog;
class QListWidget;
class QWidget;

namespace kestrel::qt {

class DialogWidget;

// A font whose metrics fit the fixed dialog-unit scale of every layout.
QFont dialogFont();
// What a static shows for its label: "&&" as "&", a lone '&' (a mnemonic
// marker) dropped.
QString staticText(const QString& label);
// The selected row of a list widget, -1 when none.
int selectedRow(const QListWidget* list);

class QtWindow : public ui::Window {
public:
    struct Control {
        const ui::ControlDef* def;
        QWidget* widget;  // nullptr for canvases, which paint on the client widget
    };

    explicit QtWindow(ui::Dialog& dialog, QWidget* parent = nullptr);
    ~QtWindow() override;
    QtWindow(const QtWindow&) = delete;
    QtWindow& operator=(const QtWindow&) = delete;

    QDialog* widget() const;
    // The full-client widget under every control that paints client().
    QWidget* canvas() const { return canvas_; }
    // The widget of an addressed control; nullptr for unknown ids.
    QWidget* widgetFor(int id) const;
    // Every control of the layout, in layout order.
    const std::vector<Control>& controls() const { return controls_; }

    bool userClick(int id) override;
    bool userType(int id, std::string_view text) override;
    bool userSelect(int id, int index) override;
    bool userDoubleClick(int id, int index) override;
    bool userCheck(int id, bool on) override;
    bool userRadio(int id) override;
    bool userSpin(int id, int step) override;
    bool userMouse(const ui::MouseEvent& event) override;
    void userEscape() override;
    void userEnter() override;
    bool userF1() override;
    bool userMenu(int command) override;

    // Keyboard and window-frame paths of the dialog widget.
    void pressEnter();
    void pressEscape();
    void runSystemCommand(int command);
    void forwardMouse(const ui::MouseEvent& event);

    // What the widgets report; the control builders connect their signals here.
    void edited(int id);
    void multiEdited(int id);
    void selected(int id, int index);
    void checkClicked(int id, bool on);
    void radioClicked(int id);
    void doubleClicked(int id);
    void commanded(int id);
    void spun(int id, int step);

protected:
    void refreshControl(int id) override;
    void refreshCaption() override;
    void refreshFocus() override;
    void refreshClient() override;
    void onClosed() override;

private:
    void build(const ui::ControlDef& def);

    QPointer<DialogWidget> dialog_;
    QWidget* canvas_ = nullptr;
    std::vector<Control> controls_;
    std::map<int, QWidget*> byId_;
    int quiet_ = 0;  // >0 while a user* method drives a widget and reports itself
};

}  // namespace kestrel::qt
