# Debian packages of Levora, made by
#   cpack --config BUILD_DIR/CPackConfig.cmake -G DEB
# levora_VERSION-1_ARCH.deb holds the program, its desktop entry, metainfo and
# icons (install component "program"); levora-engine-dev_VERSION-1_ARCH.deb
# holds the engine's headers, static libraries, CMake package and pkg-config
# module (component "engine"). Each carries its copyright notice and changelog;
# nothing else installs anything.
include_guard(GLOBAL)

set(CPACK_PACKAGE_NAME levora)
set(CPACK_PACKAGE_VENDOR "Levora developers")
set(CPACK_PACKAGE_CONTACT "Levora developers <levora@levora.example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "${PROJECT_HOMEPAGE_URL}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_COMPONENTS_ALL program engine)
set(CPACK_COMPONENT_PROGRAM_DISPLAY_NAME "Levora")
# The first line of a description is its package's synopsis. CPack would put
# one summary before the descriptions of both packages unless the summary is
# its own default.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${CMAKE_PROJECT_NAME} built using CMake")
set(CPACK_DEBIAN_PROGRAM_DESCRIPTION
    "${PROJECT_DESCRIPTION}
Levora computes, from a proposed total tax revenue, the income elasticity of
the tax and a pre-tax income range, the tax burden of one person in that
range, the progressivity of the tax and its redistribution effect, on a
built-in income distribution of North Korea. It is meant for economists and
policy analysts.")
set(CPACK_COMPONENT_ENGINE_DISPLAY_NAME "Levora engine")
set(CPACK_DEBIAN_ENGINE_DESCRIPTION
    "Levora's tax model engine as a C++20 library
The tax model behind Levora: its tables, the estimation and the estimation
request, as static libraries with their headers, a CMake package
(find_package(LevoraEngine), target Levora::Engine) and a pkg-config module
(levora-engine). It needs only the C++20 standard library.")

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program links are read from the program itself.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

set(CPACK_DEBIAN_PROGRAM_PACKAGE_NAME levora)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_SECTION science)
# Levora draws its text in an Arial-metric sans serif.
set(CPACK_DEBIAN_PROGRAM_PACKAGE_RECOMMENDS fonts-liberation2)

set(CPACK_DEBIAN_ENGINE_PACKAGE_NAME levora-engine-dev)
set(CPACK_DEBIAN_ENGINE_PACKAGE_SECTION libdevel)

# Each package carries its copyright notice and a Debian changelog, as Debian's
# policy asks; both go with their install component, under share/doc/PACKAGE.
include(GNUInstallDirs)
foreach(component IN ITEMS program engine)
    string(TOUPPER ${component} upper)
    set(package ${CPACK_DEBIAN_${upper}_PACKAGE_NAME})
    set(doc_dir ${CMAKE_CURRENT_BINARY_DIR}/doc/${package})
    configure_file(${PROJECT_SOURCE_DIR}/resources/desktop/copyright.in ${doc_dir}/copyright @ONLY)
    configure_file(${PROJECT_SOURCE_DIR}/resources/desktop/changelog.Debian.in ${doc_dir}/changelog.Debian @ONLY)
    # Compressed without a time stamp, so that the package is reproducible.
    execute_process(COMMAND gzip -9nf ${doc_dir}/changelog.Debian COMMAND_ERROR_IS_FATAL ANY)
    install(FILES ${doc_dir}/copyright ${doc_dir}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package}
        COMPONENT ${component})
endforeach()

include(CPack)
