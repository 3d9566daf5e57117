# Run as `cmake -DSOURCE_DIR=<repository> -P CheckIncludes.cmake`. Fails when a
# file of a lower layer includes a header that lives in a layer above it, or
# when the toolkit-free core includes a Qt header.

cmake_minimum_required(VERSION 3.25)

set(upper_dirs profile editor shell models cli)
set(upper_headers "")
foreach(dir IN LISTS upper_dirs)
    file(GLOB_RECURSE headers RELATIVE ${SOURCE_DIR}/src/${dir} ${SOURCE_DIR}/src/${dir}/*.h)
    foreach(header IN LISTS headers)
        get_filename_component(name ${header} NAME)
        list(APPEND upper_headers ${name})
    endforeach()
endforeach()

# The Qt adapters of the serial link are the only Qt files below the editor.
set(qt_adapters QtSerialLink.h QtSerialLink.cpp PortNames.h PortNames.cpp CloneLink.h CloneLink.cpp
    TranslatedTexts.h TranslatedTexts.cpp
    BackupStore.h BackupStore.cpp SettingsLocation.h SettingsLocation.cpp BackupCatalogue.h BackupCatalogue.cpp)

set(problems "")
foreach(dir rules image codec link)
    file(GLOB files ${SOURCE_DIR}/src/${dir}/*.h ${SOURCE_DIR}/src/${dir}/*.cpp)
    foreach(file IN LISTS files)
        get_filename_component(name ${file} NAME)
        file(STRINGS ${file} includes REGEX "^#include")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^#include [\"<]([^\">]+)[\">].*" "\\1" included "${line}")
            if(included IN_LIST upper_headers)
                list(APPEND problems "src/${dir}/${name} includes ${included} from a layer above")
            endif()
            if(included MATCHES "^Q" AND NOT name IN_LIST qt_adapters)
                list(APPEND problems "src/${dir}/${name} includes the Qt header ${included}")
            endif()
        endforeach()
    endforeach()
endforeach()

if(problems)
    list(JOIN problems "\n" text)
    message(FATAL_ERROR "${text}")
endif()
message(STATUS "layers: every include points down")
