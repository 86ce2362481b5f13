# QCustomPlot for the Windows build: compiled from the source folder scripts/build-windows
# unpacks (qcustomplot.cpp and qcustomplot.h of Debian's source package), as a static
# library under the name Debian's own package config gives it.
if(NOT TARGET QCustomPlotQt6::QCustomPlotQt6)
  if(NOT VELANTAR_QCUSTOMPLOT_SOURCE OR NOT EXISTS ${VELANTAR_QCUSTOMPLOT_SOURCE}/qcustomplot.cpp)
    message(FATAL_ERROR "VELANTAR_QCUSTOMPLOT_SOURCE must name the folder of qcustomplot.cpp")
  endif()
  add_library(velantar_qcustomplot STATIC ${VELANTAR_QCUSTOMPLOT_SOURCE}/qcustomplot.cpp)
  set_target_properties(velantar_qcustomplot PROPERTIES AUTOMOC ON)
  target_include_directories(velantar_qcustomplot SYSTEM PUBLIC ${VELANTAR_QCUSTOMPLOT_SOURCE})
  target_link_libraries(velantar_qcustomplot PUBLIC Qt6::Widgets Qt6::PrintSupport)
  add_library(QCustomPlotQt6::QCustomPlotQt6 ALIAS velantar_qcustomplot)
endif()
set(QCustomPlotQt6_FOUND TRUE)
