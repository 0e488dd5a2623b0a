# The test tree spends most of its build reading the same Qt, GoogleTest and standard
# headers again for every source. It reads them once: one precompiled header for the game's
# code and one each for the test programs with and without Qt, every program using the one
# built with its own flags. Sources that include few headers (the rules, the file formats)
# are left alone. The play and package builds precompile nothing, and the GccWarnings test
# compiles every source of the game on its own, so a missing include still shows.
# (-DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON turns this off.)

set(vyx_standard_headers <algorithm> <array> <cstdint> <filesystem> <functional> <map>
    <memory> <optional> <set> <sstream> <string> <string_view> <vector>)
set(vyx_qt_headers <QApplication> <QColor> <QDialog> <QImage> <QLabel> <QPainter>
    <QPushButton> <QString> <QWidget>)

# True in <variable> when <target> links Qt, itself or through the libraries it links.
function(vyx_links_qt target variable)
    get_target_property(libraries ${target} LINK_LIBRARIES)
    get_target_property(interface ${target} INTERFACE_LINK_LIBRARIES)
    foreach(library IN LISTS libraries interface)
        if(library MATCHES "^Qt6::")
            set(${variable} TRUE PARENT_SCOPE)
            return()
        endif()
        if(TARGET ${library} AND library MATCHES "^vyx_")
            vyx_links_qt(${library} linked)
            if(linked)
                set(${variable} TRUE PARENT_SCOPE)
                return()
            endif()
        endif()
    endforeach()
    set(${variable} FALSE PARENT_SCOPE)
endfunction()

# The game's code: every layer, tool and fuzz target that links Qt shares the platform
# layer's header.
target_precompile_headers(vyx_platform PRIVATE ${vyx_standard_headers} ${vyx_qt_headers})
foreach(target IN ITEMS vyx_persistence vyx_presentation vyx_dialogs vyx_app vyxlines
               vyx_skintool vyx-skin vyx_skin_measures vyx_test_qt_main)
    target_precompile_headers(${target} REUSE_FROM vyx_platform)
endforeach()
if(TARGET vyx_fuzz_support)
    foreach(target IN ITEMS vyx_fuzz_support vyx_fuzz_seeds fuzz_settings fuzz_savedgame
                   fuzz_skincfg fuzz_leaders fuzz_pictures fuzz_package)
        target_precompile_headers(${target} REUSE_FROM vyx_platform)
    endforeach()
endif()

# The test programs. The headers are made by two small libraries compiled as the programs
# are, without the definitions that differ from one program to the next.
add_library(vyx_test_headers OBJECT support/PrecompiledHeaders.cpp)
add_library(vyx_test_headers_qt OBJECT support/PrecompiledHeaders.cpp)
target_link_libraries(vyx_test_headers PRIVATE GTest::gmock GTest::gtest)
target_link_libraries(vyx_test_headers_qt PRIVATE GTest::gmock GTest::gtest Qt6::Widgets)
vyx_test_code_options(vyx_test_headers)
vyx_test_code_options(vyx_test_headers_qt)
target_precompile_headers(vyx_test_headers PRIVATE <gmock/gmock.h> <gtest/gtest.h>
                          ${vyx_standard_headers})
target_precompile_headers(vyx_test_headers_qt PRIVATE <gmock/gmock.h> <gtest/gtest.h>
                          ${vyx_standard_headers} ${vyx_qt_headers})
get_property(test_programs GLOBAL PROPERTY VYX_TEST_PROGRAMS)
foreach(program IN LISTS test_programs)
    vyx_links_qt(${program} with_qt)
    if(with_qt)
        target_precompile_headers(${program} REUSE_FROM vyx_test_headers_qt)
    else()
        target_precompile_headers(${program} REUSE_FROM vyx_test_headers)
    endif()
endforeach()
