#pragma once
// The about window, and the logo and labels that it shares with the splash
// window.
#include <QDialog>
#include <QString>

class QFrame;

namespace tarvelon {

// The project version given by the build, as "major.minor.patch".
QString TextoVersion();

// The common labels around the logo in a frame of `ventana`; `version` is the
// text of the version label.
QFrame* ContenidoPresentacion(QWidget* ventana, const QString& version);

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    // A new one over `principal`, centred on it; each further one a step down
    // and to the right of the last, so that it is seen.
    static void Abrir(QWidget* principal);
};

}  // namespace tarvelon
