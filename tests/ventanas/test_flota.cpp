// The fleet window over a folder through the main window's menu: rows,
// reasons, footer, sorting, filtering, a row loaded into the steps, the
// folder watched, a long load cancelled, the «¿Y si…?» panel and the exports.
#include <chrono>
#include <thread>

#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTableWidget>

#include "Apoyo.h"
#include "windows/ModeloFlota.h"
#include "windows/PanelSiEntonces.h"
#include "windows/VentanaFlota.h"

namespace tarvelon::prueba {
namespace {

// A personalised file: the example with its type and annual km.
void Vehiculo(const std::string& ruta, const std::string& tipo, const std::string& km)
{
    std::vector<std::string> l = Ejemplo();
    l[0] = "Tipo=" + tipo;
    l[2] = "KilometrajeAnual=" + km;
    GrabarLineasCifradas(ruta, l);
}

class ConFlota : public ConPrograma {
protected:
    void SetUp() override
    {
        Vehiculo(Ruta("a.txt"), "Frigorífico 40 t", "100000");
        Vehiculo(Ruta("b.txt"), "Rígido", "150000");
        Vehiculo(Ruta("c.txt"), "Frigorífico 40 t", "80000");
        GrabarContenido(Ruta("malo.txt"), "esto no es un fichero de datos");
        p.plataforma.varios = {{carpeta_.path().toStdString()}};
        p.Menu("menuArchivoFlota")->trigger();
        f = p.inicio->findChild<VentanaFlota*>();
        ASSERT_TRUE(f);
        ESPERAR(!f->Cargando() && f->modelo().rowCount() == 4);
    }
    std::string Ruta(const std::string& nombre) const { return carpeta_.path().toStdString() + "/" + nombre; }
    // The column of the table as shown, top to bottom.
    QStringList Columna(int c) const
    {
        QStringList r;
        for (int i = 0; i < f->tabla()->model()->rowCount(); ++i)
            r << f->tabla()->model()->index(i, c).data().toString();
        return r;
    }
    QString Pie(int c) const { return f->pie()->item(0, c)->text(); }

    QTemporaryDir carpeta_;
    VentanaFlota* f = nullptr;
};

TEST_F(ConFlota, UnaFilaPorFicheroElMaloConSuMotivoYLosTotalesDeLosDemas)
{
    EXPECT_EQ(Columna(ModeloFlota::kFichero), QStringList({"a.txt", "b.txt", "c.txt", "malo.txt"}));
    EXPECT_EQ(Columna(ModeloFlota::kKm), QStringList({"100.000", "150.000", "80.000", ""}));
    EXPECT_TRUE(Columna(ModeloFlota::kMotivo)[3].contains("no es un fichero de datos de TARVELON"));
    EXPECT_EQ(Pie(ModeloFlota::kFichero), "Totales (3 vehículos)");
    EXPECT_EQ(Pie(ModeloFlota::kKm), "330.000");
    EXPECT_EQ(Pie(ModeloFlota::kMotivo), "1 sin cifras");
    // Spanish numbers whatever the figure: decimal comma, point thousands.
    EXPECT_TRUE(Columna(ModeloFlota::kCosteAnual)[0].contains(QRegularExpression("^\\d{1,3}(\\.\\d{3})*,\\d\\d$")));
    EXPECT_TRUE(f->tabla()->isColumnHidden(ModeloFlota::kCosteAnualDespues));  // no change yet
}

TEST_F(ConFlota, OrdenaCadaColumnaPorSuValorNoPorSuTexto)
{
    struct Caso {
        int columna;
        Qt::SortOrder orden;
        QStringList ficheros;
    };
    const Caso casos[] = {
        {ModeloFlota::kKm, Qt::AscendingOrder, {"malo.txt", "c.txt", "a.txt", "b.txt"}},
        {ModeloFlota::kKm, Qt::DescendingOrder, {"b.txt", "a.txt", "c.txt", "malo.txt"}},
        {ModeloFlota::kTipo, Qt::AscendingOrder, {"malo.txt", "a.txt", "c.txt", "b.txt"}},
        {ModeloFlota::kFichero, Qt::DescendingOrder, {"malo.txt", "c.txt", "b.txt", "a.txt"}},
    };
    for (const auto& c : casos) {
        f->tabla()->horizontalHeader()->setSortIndicator(c.columna, c.orden);
        EXPECT_EQ(Columna(ModeloFlota::kFichero), c.ficheros) << c.columna;
    }
}

TEST_F(ConFlota, FiltraPorTipoYPorTextoYLosTotalesSonLosDeLoMostrado)
{
    auto* tipo = f->findChild<QComboBox*>("cbTipoFlota");
    auto* texto = f->findChild<QLineEdit*>("txtBuscarFlota");
    ASSERT_EQ(tipo->count(), 3);  // all, and the two types read
    struct Caso {
        QString tipo, texto;
        QStringList ficheros;
        QString km;
    };
    const Caso casos[] = {
        {"Rígido", "", {"b.txt"}, "150.000"},
        {"Frigorífico 40 t", "", {"a.txt", "c.txt"}, "180.000"},
        {"Todos los tipos", "MALO", {"malo.txt"}, "0"},
        {"Frigorífico 40 t", "c.t", {"c.txt"}, "80.000"},
    };
    for (const auto& c : casos) {
        tipo->setCurrentText(c.tipo);
        texto->setText(c.texto);
        QApplication::processEvents();
        EXPECT_EQ(Columna(ModeloFlota::kFichero), c.ficheros) << c.tipo.toStdString() << c.texto.toStdString();
        EXPECT_EQ(Pie(ModeloFlota::kKm), c.km);
    }
}

TEST_F(ConFlota, DobleClicCargaLaFilaEnLosPasosPreguntandoAntesPorLosCambios)
{
    p.CopiarEjemplo();
    p.Escribir("txtKilometrajeAnual", "1");  // unsaved changes
    const QTableView* t = f->tabla();
    const QRect fila = t->visualRect(t->model()->index(1, 0));  // b.txt
    // The press that a double-click follows, then the double-click.
    const auto doble = [&] {
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, fila.center());
        QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, fila.center());
    };
    p.plataforma.respuestas = {Respuesta::Cancelar};
    doble();
    EXPECT_EQ(p.plataforma.Textos(), Textos({kPreguntaCambios}));
    EXPECT_EQ(p.Texto("txtKilometrajeAnual"), "1");
    p.plataforma.Limpiar();
    p.plataforma.respuestas = {Respuesta::No};
    doble();
    EXPECT_EQ(p.plataforma.Textos(), Textos({kPreguntaCambios, "Fichero: " + Ruta("b.txt") + " cargado"}));
    EXPECT_EQ(p.inicio->sesion().FicheroColumna(), Ruta("b.txt"));
    EXPECT_EQ(p.Texto("txtKilometrajeAnual"), "150000");
    // Enter on a row does the same; the column now as loaded, nothing is asked.
    p.plataforma.Limpiar();
    f->tabla()->setCurrentIndex(t->model()->index(0, 0));
    QTest::keyClick(f->tabla(), Qt::Key_Return);
    EXPECT_EQ(p.plataforma.Textos(), Textos({"Fichero: " + Ruta("a.txt") + " cargado"}));
}

TEST_F(ConFlota, LaCarpetaVigiladaCambiaAnadeYQuitaFilas)
{
    Vehiculo(Ruta("a.txt"), "Frigorífico 40 t", "200000");
    ESPERAR(Columna(ModeloFlota::kKm).contains("200.000"));
    Vehiculo(Ruta("d.txt"), "Rígido", "50000");
    ESPERAR(f->modelo().rowCount() == 5);
    std::filesystem::remove(Ruta("b.txt"));
    ESPERAR(!Columna(ModeloFlota::kFichero).contains("b.txt"));
    ESPERAR(Pie(ModeloFlota::kKm) == "330.000");  // 200.000 + 80.000 + 50.000
}

TEST_F(ConFlota, UnaCargaLargaMuestraSuProgresoYSeCancelaConservandoLoLeido)
{
    VentanaFlota lenta(p.plataforma, p.Carpeta(), [](const std::string& r) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        VehiculoFlota v;
        v.fichero = r;
        return v;
    });
    lenta.show();
    std::vector<std::string> rutas;
    for (int i = 0; i < 300; ++i) rutas.push_back("/nada/" + std::to_string(i));
    lenta.AnadirFicheros(rutas);
    auto* progreso = lenta.findChild<QProgressBar*>("progresoFlota");
    EXPECT_FALSE(progreso->isVisible());  // not for a load that may end at once
    ESPERAR(progreso->isVisible());
    lenta.findChild<QPushButton*>("btCancelarCarga")->click();
    ESPERAR(!lenta.Cargando());
    const int leidos = lenta.modelo().rowCount();
    EXPECT_GT(leidos, 0);
    EXPECT_LT(leidos, 300);
    EXPECT_FALSE(progreso->isVisible());
    EXPECT_EQ(lenta.findChild<QLabel*>("lblEstadoFlota")->text(),
              QString("Lectura cancelada: se muestran los %1 ficheros leídos de 300.").arg(leidos));
}

TEST_F(ConFlota, ElPanelDeCambiosRecalculaFilasYTotalesAlTeclear)
{
    PanelSiEntonces* panel = f->panel();
    const QString antes = Pie(ModeloFlota::kCosteAnual);
    panel->Caja(4)->setText("10");  // annual km +10 %
    QApplication::processEvents();
    EXPECT_FALSE(f->tabla()->isColumnHidden(ModeloFlota::kCosteAnualDespues));
    EXPECT_EQ(Pie(ModeloFlota::kCosteAnual), antes);
    EXPECT_TRUE(Pie(ModeloFlota::kDiferenciaAnual).startsWith("+"));
    EXPECT_EQ(f->findChild<QLabel*>("lblTotal0_1")->text(), "363.000");
    EXPECT_EQ(f->findChild<QLabel*>("lblTotal0_2")->text(), "+33.000");
    // A box that is no change is marked and keeps the last good changes.
    panel->Caja(4)->setText("-100");
    EXPECT_FALSE(f->findChild<QLabel*>("lblMotivoCambios")->text().isEmpty());
    EXPECT_EQ(f->modelo().Cambios().km, 10);
    panel->Caja(4)->setText("");
    EXPECT_EQ(f->modelo().Cambios().km, 0);
    EXPECT_TRUE(f->findChild<QLabel*>("lblMotivoCambios")->text().isEmpty());
}

TEST_F(ConFlota, ExportaLibroPdfYCsvYNoEscribeEnUnDispositivo)
{
    const char* botones[] = {"btExportarExcel", "btExportarPdf", "btExportarCsv"};
    const char* firmas[] = {"PK", "%PDF",
                            "\xEF\xBB\xBF"
                            "Fichero;Tipo"};
    // A name with its extension that leads to a device.
    const std::string dispositivo = Ruta("dispositivo");
    const char* extensiones[] = {".xlsx", ".pdf", ".csv"};
    for (const char* e : extensiones) std::filesystem::create_symlink("/dev/null", dispositivo + e);
    for (int i = 0; i < 3; ++i) {
        const std::string ruta = Ruta("flota.salida" + std::to_string(i));
        p.plataforma.Limpiar();
        p.plataforma.ficheros = {ruta};
        f->findChild<QPushButton*>(botones[i])->click();
        p.plataforma.Limpiar();
        p.plataforma.ficheros = {dispositivo + extensiones[i]};
        f->findChild<QPushButton*>(botones[i])->click();
        ASSERT_EQ(p.plataforma.avisos.size(), 1u);
        EXPECT_EQ(p.plataforma.avisos[0].icono, Icono::Critico) << botones[i];
    }
    // The extension was added after each first dialog, and the file written whole.
    EXPECT_TRUE(Empieza(Contenido(Ruta("flota.salida0.xlsx")), firmas[0]));
    EXPECT_TRUE(Empieza(Contenido(Ruta("flota.salida1.pdf")), firmas[1]));
    EXPECT_TRUE(Empieza(Contenido(Ruta("flota.salida2.csv")), firmas[2]));
}

}  // namespace
}  // namespace tarvelon::prueba
