# Packaging: shared libraries with a version in their names and only the fv namespace exported,
# headers under one include prefix, the framework bundle in the data folder the library looks in by
# default, a CMake package (Fernvault::fernvault) and fernvault.pc, and the example host.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(FV_INCLUDE_PREFIX ${CMAKE_INSTALL_INCLUDEDIR}/fernvault)
set(FV_BUNDLE_DESTINATION ${CMAKE_INSTALL_DATADIR}/fernvault/resources)
set(FV_CMAKE_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Fernvault)
# Before 1.0 every minor version may change the binary interface.
if(PROJECT_VERSION_MAJOR EQUAL 0)
  set(FV_SOVERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})
  set(FV_COMPATIBILITY SameMinorVersion)
else()
  set(FV_SOVERSION ${PROJECT_VERSION_MAJOR})
  set(FV_COMPATIBILITY SameMajorVersion)
endif()

set(FV_INSTALLED_LIBRARIES)
foreach(part ${FV_PLATFORM_PARTS})
  set_target_properties(fv_${part} PROPERTIES OUTPUT_NAME fernvault_${part} EXPORT_NAME ${part})
  list(APPEND FV_INSTALLED_LIBRARIES fv_${part})
endforeach()
list(APPEND FV_INSTALLED_LIBRARIES fernvault)
set_target_properties(fernvault_platform PROPERTIES EXPORT_NAME platform)
# Hosts compile the headers too, which need C++20.
target_compile_features(fernvault_platform INTERFACE cxx_std_20)
add_library(Fernvault::fernvault ALIAS fernvault)
add_library(Fernvault::platform ALIAS fernvault_platform)
# The user driver (taps, typing, finding views) that the example host walks its roads with.
set_target_properties(fernvault_userdriver PROPERTIES EXPORT_NAME userdriver)
add_library(Fernvault::userdriver ALIAS fernvault_userdriver)

# The installed headers are found under one prefix; the source tree's only while building here.
function(fv_split_include_directories target)
  get_target_property(dirs ${target} INTERFACE_INCLUDE_DIRECTORIES)
  set(split)
  foreach(dir ${dirs})
    if(dir MATCHES "^\\$<")
      list(APPEND split "${dir}")
    else()
      list(APPEND split "$<BUILD_INTERFACE:${dir}>")
    endif()
  endforeach()
  list(APPEND split "$<INSTALL_INTERFACE:${FV_INCLUDE_PREFIX}>")
  set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES "${split}")
endfunction()

set(FV_VERSION_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/fernvault.map)
foreach(lib ${FV_INSTALLED_LIBRARIES})
  fv_split_include_directories(${lib})
  set_target_properties(${lib} PROPERTIES
    VERSION ${PROJECT_VERSION} SOVERSION ${FV_SOVERSION}
    INSTALL_RPATH "$ORIGIN"
    LINK_DEPENDS ${FV_VERSION_SCRIPT})
  target_link_options(${lib} PRIVATE "LINKER:--version-script=${FV_VERSION_SCRIPT}")
endforeach()
if(FV_SANITIZE)
  # Instrumented libraries need the sanitizer runtimes loaded first, so the host must link them too.
  set(FV_SANITIZE_LINK_FLAGS -fsanitize=address,undefined)
  target_link_options(fernvault_platform INTERFACE $<INSTALL_INTERFACE:${FV_SANITIZE_LINK_FLAGS}>)
endif()

# The framework bundle is looked for relative to the library, so an installed tree can move. In the
# build tree a link beside the libraries stands for it.
file(RELATIVE_PATH FV_BUNDLE_FROM_LIBRARY ${CMAKE_INSTALL_FULL_LIBDIR}
  ${CMAKE_INSTALL_FULL_DATADIR}/fernvault/resources)
set_property(SOURCE core/FrameworkResources.cpp APPEND PROPERTY
  COMPILE_DEFINITIONS FV_BUNDLE_FROM_LIBRARY="${FV_BUNDLE_FROM_LIBRARY}")
add_custom_command(TARGET fernvault POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E create_symlink ${CMAKE_CURRENT_SOURCE_DIR}/resources
          $<TARGET_FILE_DIR:fernvault>/resources)

install(TARGETS ${FV_INSTALLED_LIBRARIES} fernvault_platform fernvault_userdriver EXPORT FernvaultTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Runtime NAMELINK_COMPONENT Development
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Development)
# The installed headers: those of the platform and the framework, less the test host's and those that
# pull in the libraries underneath (internal to their folder), plus the user driver's.
set(FV_INSTALLED_HEADERS platform/testing/UserDriver.h)
foreach(dir platform ${FV_FRAMEWORK_DIRS})
  file(GLOB_RECURSE headers RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} CONFIGURE_DEPENDS ${dir}/*.h)
  list(FILTER headers EXCLUDE REGEX
    "^platform/testing/|/IcuText\\.h$|/FontSupport\\.h$|/JpegErrors\\.h$|/NibInstantiation\\.h$")
  list(APPEND FV_INSTALLED_HEADERS ${headers})
endforeach()
foreach(header ${FV_INSTALLED_HEADERS})
  get_filename_component(dir ${header} DIRECTORY)
  install(FILES ${header} DESTINATION ${FV_INCLUDE_PREFIX}/${dir} COMPONENT Development)
endforeach()
# Each of them compiles on its own, as the first include of a host's file: one generated file each.
if(FV_CHECK_HEADERS)
  set(FV_HEADER_CHECK_SOURCES)
  foreach(header ${FV_INSTALLED_HEADERS})
    string(REGEX REPLACE "\\.h$" ".cpp" source ${CMAKE_CURRENT_BINARY_DIR}/header-check/${header})
    file(CONFIGURE OUTPUT ${source} CONTENT "#include \"${header}\"\n")
    list(APPEND FV_HEADER_CHECK_SOURCES ${source})
  endforeach()
  add_library(fv_installed_headers OBJECT ${FV_HEADER_CHECK_SOURCES})
  target_link_libraries(fv_installed_headers PRIVATE fernvault fernvault_userdriver)
endif()
install(DIRECTORY resources/ DESTINATION ${FV_BUNDLE_DESTINATION} COMPONENT Runtime)

install(EXPORT FernvaultTargets NAMESPACE Fernvault:: DESTINATION ${FV_CMAKE_DESTINATION}
  COMPONENT Development)
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/FernvaultConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/FernvaultConfig.cmake INSTALL_DESTINATION ${FV_CMAKE_DESTINATION}
  PATH_VARS FV_BUNDLE_DESTINATION)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/FernvaultConfigVersion.cmake
  COMPATIBILITY ${FV_COMPATIBILITY})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/FernvaultConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/FernvaultConfigVersion.cmake
  DESTINATION ${FV_CMAKE_DESTINATION} COMPONENT Development)

# fernvault.pc names the prefix it is installed under, which is only known when installing.
set(FV_PC_LIBS -lfernvault)
list(REVERSE FV_INSTALLED_LIBRARIES)
foreach(lib ${FV_INSTALLED_LIBRARIES})
  if(NOT lib STREQUAL fernvault)
    get_target_property(name ${lib} OUTPUT_NAME)
    list(APPEND FV_PC_LIBS -l${name})
  endif()
endforeach()
list(APPEND FV_PC_LIBS ${FV_SANITIZE_LINK_FLAGS})
string(REPLACE ";" " " FV_PC_LIBS "${FV_PC_LIBS}")
set(FV_PC_PREFIX @FV_PC_PREFIX@)
configure_file(${CMAKE_CURRENT_LIST_DIR}/fernvault.pc.in ${CMAKE_CURRENT_BINARY_DIR}/fernvault.pc.in @ONLY)
install(CODE "
  set(FV_PC_PREFIX \"\${CMAKE_INSTALL_PREFIX}\")
  configure_file(\"${CMAKE_CURRENT_BINARY_DIR}/fernvault.pc.in\" \"${CMAKE_CURRENT_BINARY_DIR}/fernvault.pc\" @ONLY)
  " COMPONENT Development)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/fernvault.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig
  COMPONENT Development)

# The example host: the program with its main bundle, and its sources for building it elsewhere.
if(TARGET fernvault_host)
  file(RELATIVE_PATH FV_LIB_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR})
  set_target_properties(fernvault_host PROPERTIES INSTALL_RPATH "$ORIGIN/${FV_LIB_FROM_BIN}")
  install(TARGETS fernvault_host RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Examples)
  install(DIRECTORY examples/host/bundle/ DESTINATION ${CMAKE_INSTALL_DATADIR}/fernvault/host
    COMPONENT Examples)
  install(DIRECTORY examples/host DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples COMPONENT Examples)
endif()

# Installs into a folder of the build tree, then builds and runs hosts against that alone.
if(FV_BUILD_TESTS AND TARGET fernvault_host)
  set(FV_CHECK_ARGS -DBUILD_DIR=${CMAKE_CURRENT_BINARY_DIR} -DCHECK_DIR=${CMAKE_CURRENT_BINARY_DIR}/install-check
    -DCXX=${CMAKE_CXX_COMPILER} -DBUILD_TYPE=$<CONFIG> -DSOURCE_DIR=${CMAKE_CURRENT_SOURCE_DIR})
  add_test(NAME install_package COMMAND ${CMAKE_COMMAND} ${FV_CHECK_ARGS} -DSTEP=install
    -P ${CMAKE_CURRENT_LIST_DIR}/CheckInstall.cmake)
  add_test(NAME install_host_out_of_tree COMMAND ${CMAKE_COMMAND} ${FV_CHECK_ARGS} -DSTEP=host
    -P ${CMAKE_CURRENT_LIST_DIR}/CheckInstall.cmake)
  add_test(NAME install_pkg_config COMMAND ${CMAKE_COMMAND} ${FV_CHECK_ARGS} -DSTEP=pkg-config
    -P ${CMAKE_CURRENT_LIST_DIR}/CheckInstall.cmake)
  set_tests_properties(install_package PROPERTIES FIXTURES_SETUP fernvault_installed)
  set_tests_properties(install_host_out_of_tree install_pkg_config PROPERTIES
    FIXTURES_REQUIRED fernvault_installed TIMEOUT 600
    ENVIRONMENT "LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0")
endif()

# A host that adds this tree with add_subdirectory gets the libraries alone.
if(FV_BUILD_TESTS AND FV_TOP_LEVEL)
  add_test(NAME embed_add_subdirectory COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_CURRENT_SOURCE_DIR}
    -DCHECK_DIR=${CMAKE_CURRENT_BINARY_DIR}/embed-check -DCC=${CMAKE_C_COMPILER} -DCXX=${CMAKE_CXX_COMPILER}
    -P ${CMAKE_CURRENT_LIST_DIR}/CheckSubdirectory.cmake)
endif()
