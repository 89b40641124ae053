#include "windows/VigilanciaFlota.h"

#include <filesystem>

#include <QFileSystemWatcher>
#include <QTimer>

#include "reports/VehiculoFlota.h"

namespace tarvelon {

namespace {

constexpr int kMsRafaga = 250;
constexpr qsizetype kPorTanda = 200;

std::pair<long long, long long> Sello(const std::string& ruta)
{
    std::error_code ec;
    const auto t = std::filesystem::last_write_time(ruta, ec);
    if (ec) return {-1, -1};
    const auto n = std::filesystem::file_size(ruta, ec);
    return {static_cast<long long>(t.time_since_epoch().count()), ec ? -1 : static_cast<long long>(n)};
}

// The atomic writer's temporary files come and go while a file is saved.
bool EsTemporal(const std::string& ruta)
{
    return std::filesystem::path(ruta).filename().string().rfind(".tarvelon-", 0) == 0;
}

}  // namespace

VigilanciaFlota::VigilanciaFlota(QObject* parent)
    : QObject(parent), vigilante_(new QFileSystemWatcher(this)), rafaga_(new QTimer(this)), tanda_(new QTimer(this))
{
    tanda_->setSingleShot(true);
    tanda_->setInterval(0);
    connect(tanda_, &QTimer::timeout, this, &VigilanciaFlota::Tanda);
    rafaga_->setSingleShot(true);
    rafaga_->setInterval(kMsRafaga);
    connect(vigilante_, &QFileSystemWatcher::directoryChanged, rafaga_, qOverload<>(&QTimer::start));
    connect(vigilante_, &QFileSystemWatcher::fileChanged, rafaga_, qOverload<>(&QTimer::start));
    connect(rafaga_, &QTimer::timeout, this, &VigilanciaFlota::Cambio);
}

void VigilanciaFlota::Carpeta(const std::string& carpeta)
{
    if (!vigilante_->directories().isEmpty()) vigilante_->removePaths(vigilante_->directories());
    carpeta_ = carpeta;
    vigilante_->addPath(QString::fromStdString(carpeta));
}

std::vector<std::string> VigilanciaFlota::Listar() const
{
    std::vector<std::string> r;
    if (!carpeta_.empty())
        for (auto& f : FicherosDeCarpeta(carpeta_))
            if (!EsTemporal(f)) r.push_back(std::move(f));
    return r;
}

void VigilanciaFlota::Leidos(const std::vector<std::string>& rutas)
{
    // A file changed in place tells only its own watch; one replaced or
    // removed tells the folder too. The watches are set a few at a time, so
    // that a large fleet does not hold up the window.
    for (const auto& r : rutas) {
        sellos_[r] = Sello(r);
        if (vigilados_.insert(r).second) pendientes_ << QString::fromStdString(r);
    }
    if (!pendientes_.isEmpty()) tanda_->start();
}

void VigilanciaFlota::Tanda()
{
    const QStringList tanda = pendientes_.mid(0, kPorTanda);
    pendientes_.remove(0, tanda.size());
    vigilante_->addPaths(tanda);
    if (!pendientes_.isEmpty()) tanda_->start();
}

VigilanciaFlota::Diferencias VigilanciaFlota::Comparar(const std::vector<std::string>& enTabla)
{
    std::vector<std::string> presentes;
    try {
        presentes = Listar();
    } catch (...) {
        presentes.clear();  // the folder itself is gone: so are its rows
    }
    std::set<std::string> vistos(presentes.begin(), presentes.end());
    for (const auto& r : sueltos_)
        if (Sello(r).first != -1) vistos.insert(r);
    const std::set<std::string> filas(enTabla.begin(), enTabla.end());
    Diferencias d;
    for (const auto& r : vistos) {
        const auto it = sellos_.find(r);
        if (it == sellos_.end() || it->second != Sello(r) || !filas.count(r)) d.leer.push_back(r);
    }
    for (const auto& r : enTabla)
        if (!vistos.count(r)) {
            d.quitar.push_back(r);
            sellos_.erase(r);
            vigilados_.erase(r);  // its watch went with the file
        }
    return d;
}

}  // namespace tarvelon
