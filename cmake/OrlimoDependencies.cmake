find_package(PkgConfig REQUIRED)
pkg_check_modules(FFTW3 REQUIRED IMPORTED_TARGET fftw3)

# QCustomPlot's package config needs Qt to be found first.
find_package(Qt5 5.15 REQUIRED COMPONENTS Core Gui Widgets SerialPort Network Sql PrintSupport Test)
find_package(QCustomPlot REQUIRED)
set(CMAKE_AUTOMOC ON)
set(CMAKE_AUTORCC ON)

if(ORLIMO_BUILD_TESTS)
  find_package(GTest REQUIRED)
  include(GoogleTest)
  include(OrlimoTesting)
endif()
if(ORLIMO_BUILD_BENCHMARKS)
  find_package(benchmark REQUIRED)
endif()
