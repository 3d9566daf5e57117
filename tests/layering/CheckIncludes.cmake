# Run as `cmake -DSOURCE_DIR=<repository> -P CheckIncludes.cmake`. Fails when a
# file of one folder of src/ includes a header of a folder after it in the
# layer order, when the command line includes more than the core, the
# wording and the models' rules and texts, or when the toolkit-free core
# includes a Qt header.

cmake_minimum_required(VERSION 3.25)

# The layer order, lowest first; each folder includes only the ones before it.
set(layers rules image codec link wording profile prompts editor shell models cli)
# What the command line may include besides its own files.
set(cli_allowed rules image codec link wording)

# Which folder each header lives in, and each folder's rank in the order.
set(rank 0)
foreach(dir IN LISTS layers)
    set(rank_of_${dir} ${rank})
    math(EXPR rank "${rank} + 1")
    file(GLOB_RECURSE headers ${SOURCE_DIR}/src/${dir}/*.h)
    foreach(header IN LISTS headers)
        get_filename_component(name ${header} NAME)
        set(home_of_${name} ${dir})
    endforeach()
endforeach()

# The Qt adapters of the serial link and the translated texts are the only
# Qt files below the profile.
set(qt_adapters QtSerialLink.h QtSerialLink.cpp PortNames.h PortNames.cpp CloneLink.h CloneLink.cpp
    QtPortDirectory.h QtPortDirectory.cpp SystemPorts.cpp TransferSession.h TransferSession.cpp
    WinSerialPort.h WinSerialPort.cpp WinPortNames.h WinPortNames.cpp WinComPorts.cpp
    TranslatedTexts.h TranslatedTexts.cpp
    BackupStore.h BackupStore.cpp SettingsLocation.h SettingsLocation.cpp BackupCatalogue.h BackupCatalogue.cpp
    WriteSeries.h WriteSeries.cpp SeriesLog.h SeriesLog.cpp)

set(problems "")
foreach(dir IN LISTS layers)
    file(GLOB_RECURSE files ${SOURCE_DIR}/src/${dir}/*.h ${SOURCE_DIR}/src/${dir}/*.cpp)
    foreach(file IN LISTS files)
        file(RELATIVE_PATH where ${SOURCE_DIR} ${file})
        get_filename_component(name ${file} NAME)
        file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[\"<]([^\">]+)[\">].*" "\\1" included "${line}")
            get_filename_component(included_name ${included} NAME)
            set(home "${home_of_${included_name}}")
            if(home)
                if(dir STREQUAL "cli")
                    if(NOT home STREQUAL "cli" AND NOT home IN_LIST cli_allowed
                       AND NOT (home STREQUAL "models" AND included_name MATCHES "(Rules|Texts)\\.h$"))
                        list(APPEND problems "${where} includes ${included} from src/${home}, which the command line does not use")
                    endif()
                elseif(rank_of_${home} GREATER rank_of_${dir})
                    list(APPEND problems "${where} includes ${included} from src/${home}, a layer above")
                endif()
            endif()
            if(dir MATCHES "^(rules|image|codec|link|wording)$" AND included MATCHES "^Q" AND NOT name IN_LIST qt_adapters)
                list(APPEND problems "${where} includes the Qt header ${included}")
            endif()
        endforeach()
    endforeach()
endforeach()

# Every folder of src/ has its place in the order.
file(GLOB entries LIST_DIRECTORIES true ${SOURCE_DIR}/src/*)
foreach(entry IN LISTS entries)
    get_filename_component(folder ${entry} NAME)
    if(IS_DIRECTORY ${entry} AND NOT folder IN_LIST layers)
        list(APPEND problems "src/${folder} has no place in the layer order")
    endif()
endforeach()

if(problems)
    list(JOIN problems "\n" text)
    message(FATAL_ERROR "${text}")
endif()
message(STATUS "layers: every include points down")
