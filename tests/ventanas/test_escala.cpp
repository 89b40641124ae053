// Every window within reach on the screen and at the scale the test runs at
// (ctest adds runs at 150 % on 1366×768 and at 100 % on 1920×1080).
#include <QGraphicsTextItem>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QChartView>

#include "Apoyo.h"
#include "windows/VentanaAnalisis.h"

using namespace tarvelon;
using namespace tarvelon::prueba;

namespace {

// Whole inside each parent up to `area`; the content of a scroll area is reached by scrolling.
bool AlAlcance(const QWidget* w, const QWidget* area)
{
    QRect r = w->rect();
    for (const QWidget *h = w, *padre = w->parentWidget(); h != area; h = padre, padre = h->parentWidget()) {
        if (auto* s = padre ? qobject_cast<const QScrollArea*>(padre->parentWidget()) : nullptr; s && s->widget() == h)
            r = s->rect(), padre = s->parentWidget(), h = s;
        if (!padre || !padre->rect().contains(r.translated(h->pos()))) return false;
        r.translate(h->pos());
    }
    return true;
}

// The boxes and buttons of the windows in view out of reach, and the chart names shortened or missing.
std::string FueraDeAlcance(Inicio& inicio)
{
    QCoreApplication::processEvents();
    std::string fuera;
    QWidget* area = inicio.areaTrabajo()->viewport();
    for (QMdiSubWindow* marco : inicio.areaTrabajo()->subWindowList())  // the index scrolls with the area
        for (QWidget* w : marco->widget() == inicio.indice() ? QList<QWidget*>{} : marco->findChildren<QWidget*>())
            if (w->isVisible() && (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w)) &&
                !AlAlcance(w, area))
                fuera += w->objectName().toStdString() + " ";
    for (auto* vista : area->findChildren<QChartView*>()) {
        QStringList textos, categorias;
        for (QGraphicsItem* i : vista->isVisible() ? vista->scene()->items() : QList<QGraphicsItem*>{})
            if (auto* t = dynamic_cast<QGraphicsTextItem*>(i); t && t->isVisible()) textos << t->toPlainText();
        for (QAbstractAxis* eje : vista->isVisible() ? vista->chart()->axes() : QList<QAbstractAxis*>{})
            if (auto* c = qobject_cast<QBarCategoryAxis*>(eje)) categorias << c->categories();
        for (const QString& t : textos.filter(QRegularExpression("\\.\\.\\.|…")) + categorias)
            if (!textos.contains(t) || t.contains(QRegularExpression("\\.\\.\\.|…")))
                fuera += "«" + t.toStdString() + "» ";
    }
    return fuera;
}

TEST_F(ConEjemplo, EscalaTodoAlAlcanceYNingunNombreCortado)
{
    Inicio& inicio = *p.inicio;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&inicio));
    EXPECT_TRUE(inicio.screen()->availableGeometry().contains(inicio.frameGeometry()));
    for (bool pequena : {false, true}) {
        SCOPED_TRACE(pequena ? "ventana principal pequeña" : "ventana principal como se abre");
        if (pequena) inicio.showNormal(), inicio.resize(440, 320);  // the window in view fits at once
        EXPECT_EQ(FueraDeAlcance(inicio), "");
        for (int paso = 0; paso < Indice::kPasos; ++paso) {
            inicio.PulsarPaso(paso);
            EXPECT_EQ(FueraDeAlcance(inicio), "") << "paso " << paso;
        }
        for (bool servicio : {false, true}) {
            p.Resultado(servicio, "100", "2");
            EXPECT_EQ(FueraDeAlcance(inicio), "") << "resultado " << servicio;
        }
        inicio.PulsarPaso(2);
        inicio.menuAnalisis_Click();
        for (int pestana = 0; pestana < inicio.analisis()->pestanas()->count(); ++pestana) {
            inicio.analisis()->pestanas()->setCurrentIndex(pestana);
            EXPECT_EQ(FueraDeAlcance(inicio), "") << "pestaña " << pestana;
        }
        if (!pequena && inicio.screen()->availableGeometry().width() >= 1920) {  // beside the step windows
            EXPECT_GT(inicio.areaTrabajo()->Marco(inicio.analisis())->x(),
                      inicio.areaTrabajo()->Marco(inicio.pasos()[Pasos::kCostesFijosA])->geometry().right());
        }
    }
}

}  // namespace
