#pragma once
// The splash window shown at start-up: the logo, the product name, the
// department and directorate lines and the running version.
#include <QDialog>

class QFrame;
class QTimer;

namespace tarvelon {

class frmSplash : public QDialog {
    Q_OBJECT
public:
    // `intervaloMs`: how long it stays when left alone.
    explicit frmSplash(int intervaloMs = 5000, QWidget* parent = nullptr);
    // Shows the window modally and returns when it has closed.
    void MostrarModal();

protected:
    void showEvent(QShowEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QFrame* Frame1_;
    QTimer* Timer1_;
};

}  // namespace tarvelon
