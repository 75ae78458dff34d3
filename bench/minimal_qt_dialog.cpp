// The baseline of the start-up benchmark: a Qt program that shows one empty
// dialog and ends.
#include <QApplication>
#include <QDialog>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QDialog dialog;
    dialog.show();
    QCoreApplication::processEvents();
    return dialog.isVisible() ? 0 : 1;
}
