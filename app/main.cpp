// TARVELON: operating costs of one heavy goods vehicle.
#include <QApplication>

#include "windows/Arranque.h"
#include "windows/Inicio.h"
#include "windows/PlataformaQt.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TARVELON"));
    tarvelon::PlataformaQt plataforma;
    auto inicio = tarvelon::Main(plataforma);
    return app.exec();
}
