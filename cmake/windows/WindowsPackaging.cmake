# The Windows layout: the programs, their run-time files and qt.conf in one
# folder, the guide under doc/. scripts/windows.sh stages it with
# `cmake --install` and makes the zip and the installer from the stage.
set(RK_PACKAGE_NAME rk-radio-programs)
set(CMAKE_INSTALL_BINDIR .)
set(CMAKE_INSTALL_DATADIR .)
