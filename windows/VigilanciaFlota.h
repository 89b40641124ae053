#pragma once
// What the fleet window watches: its folder and every file read. A file saved
// in place, replaced, added or removed is told (once for a burst of events)
// as the files to read again and the rows to drop.
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <QObject>
#include <QStringList>

class QFileSystemWatcher;
class QTimer;

namespace tarvelon {

class VigilanciaFlota : public QObject {
    Q_OBJECT
public:
    explicit VigilanciaFlota(QObject* parent = nullptr);

    // The folder whose files make the fleet (none: only files added one by one).
    void Carpeta(const std::string& carpeta);
    const std::string& carpeta() const { return carpeta_; }
    // Its data files, sorted; a folder that cannot be listed raises ErrorEjecucion.
    std::vector<std::string> Listar() const;
    // Files added one by one, beside the folder's.
    void Sueltos(const std::vector<std::string>& rutas) { sueltos_.insert(rutas.begin(), rutas.end()); }
    // Files about to be read: their state now, and watched.
    void Leidos(const std::vector<std::string>& rutas);

    struct Diferencias {
        std::vector<std::string> leer;    // new, or changed since read
        std::vector<std::string> quitar;  // rows whose file is gone
    };
    // The folder and the loose files as they are now against the rows shown.
    Diferencias Comparar(const std::vector<std::string>& enTabla);

signals:
    void Cambio();  // something changed: time to Comparar

private:
    void Tanda();

    QFileSystemWatcher* vigilante_;
    QTimer* rafaga_;  // gathers a burst of events into one
    QTimer* tanda_;   // sets the next few watches
    QStringList pendientes_;
    std::set<std::string> vigilados_;
    std::string carpeta_;
    std::set<std::string> sueltos_;
    std::map<std::string, std::pair<long long, long long>> sellos_;  // path: modification time, size when read
};

}  // namespace tarvelon
