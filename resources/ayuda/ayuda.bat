@echo off
rem Abre la ayuda de TARVELON (ayuda.html, junto a este fichero) en el navegador.
start "" "%~dp0ayuda.html"
