# The two set-up commands of a fresh Debian machine:
#   make run   installs what is missing, builds and starts the program
#   make test  installs what is missing, builds and runs every test
# Package installation needs root (or sudo).

BUILD_DIR := build
BIN := $(BUILD_DIR)/bin
JOBS ?= 2

# Debian packages needed to build and test (xvfb and xauth for window tests;
# Qt Charts needs the OpenGL development files, which its package does not
# pull in; poppler-utils and python3-openpyxl read the exported PDF and
# workbook back in the tests; qt6-translations-l10n for Qt's own texts in
# Spanish).
DEPS := build-essential cmake pkg-config libgtest-dev libbenchmark-dev qt6-base-dev libgl-dev fonts-liberation xvfb xauth \
	nlohmann-json3-dev libxlsxwriter-dev libcli11-dev qt6-charts-dev libqt6opengl6-dev poppler-utils python3-openpyxl \
	qt6-translations-l10n


# What `make run` starts after building: the desktop program on the sample
# reference data. Without a graphical display (a bare terminal) it prints the
# summary report of every sample vehicle type with tarvelon-datos instead.
RUN_CMD = if [ -x $(BIN)/tarvelon ] && [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	    cd $(BIN) && ./tarvelon; \
	  else \
	    [ -x $(BIN)/tarvelon ] && echo "No hay pantalla gráfica: se muestran los informes de los tipos de ejemplo." >&2; \
	    tipos="$$($(BIN)/tarvelon-datos tipos)" && \
	    printf '%s\n' "$$tipos" | while IFS= read -r tipo; do \
	      $(BIN)/tarvelon-datos informe --resumen --tipo "$$tipo" || exit 1; echo; \
	    done; \
	  fi

.PHONY: run test deps build

run: build
	$(RUN_CMD)

test: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD_DIR) --output-on-failure -j$(JOBS)

build: deps
	cmake -S . -B $(BUILD_DIR) -DTARVELON_GUI=ON
	cmake --build $(BUILD_DIR) -j$(JOBS)

# Only packages that are not installed yet are fetched, so this is quick on a
# machine that has them all.
deps:
	@missing=""; \
	for p in $(DEPS); do \
	  dpkg -s $$p 2>/dev/null | grep -q '^Status: install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" -eq 0 ]; then sudo=""; \
	  elif command -v sudo >/dev/null 2>&1; then sudo="sudo"; \
	  else echo "Faltan paquetes:$$missing (instálelos como root)" >&2; exit 1; fi; \
	  echo "Instalando:$$missing"; \
	  if [ -z "$$APT_ACTUALIZADO" ]; then $$sudo apt-get update; fi; \
	  $$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi
