#pragma once
// Message boxes as the core asks for them. The windows answer them with real
// boxes, the command-line tool writes them out, tests record them.
#include <string>

namespace tarvelon {

enum class Icono { Ninguno, Critico, Informacion, Exclamacion, Pregunta };
enum class Botones { Aceptar, SiNo, SiNoCancelar };
enum class Respuesta { Aceptar, Si, No, Cancelar };

inline constexpr const char* kTituloPrograma = "TARVELON";

struct Aviso {
    std::string texto;
    Icono icono = Icono::Ninguno;
    Botones botones = Botones::Aceptar;
    std::string titulo = kTituloPrograma;
};

class Avisador {
public:
    virtual ~Avisador() = default;
    virtual Respuesta Mostrar(const Aviso& aviso) = 0;
};

}  // namespace tarvelon
