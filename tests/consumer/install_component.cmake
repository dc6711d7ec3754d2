# Installs one install component of a build tree into a fresh prefix:
#   cmake -DBUILD_DIR=... -DCOMPONENT=... -DPREFIX=... -P install_component.cmake
foreach(variable IN ITEMS BUILD_DIR COMPONENT PREFIX)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "${variable} is not set")
    endif()
endforeach()

file(REMOVE_RECURSE ${PREFIX})
execute_process(
    COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --component ${COMPONENT} --prefix ${PREFIX}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "installing the component ${COMPONENT} failed (is the build done?)")
endif()
