# Checks the installed SDK as a host sees it, one STEP at a time (cmake -P):
#   install     installs the build tree into CHECK_DIR/prefix
#   host        builds the example host from its installed sources against that prefix alone, runs
#               its card-to-bank transfer, and runs the installed host program the same way
#   pkg-config  builds the smallest host and every installed header with pkg-config's flags alone
# Hosts run without FERNVAULT_BUNDLE_PATH or FERNVAULT_MAIN_BUNDLE: the bundles must be found where
# they were installed.
cmake_minimum_required(VERSION 3.20)
foreach(var STEP BUILD_DIR CHECK_DIR CXX BUILD_TYPE SOURCE_DIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "CheckInstall: ${var} is not set")
  endif()
endforeach()
set(prefix ${CHECK_DIR}/prefix)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "failed (${result}): ${ARGN}\n${out}")
  endif()
endfunction()

# Runs a host with a clean environment for the bundles; it must end well and leave pictures behind.
function(run_host program pictures)
  file(REMOVE_RECURSE ${pictures})
  run(${CMAKE_COMMAND} -E env --unset=FERNVAULT_BUNDLE_PATH --unset=FERNVAULT_MAIN_BUNDLE
      FERNVAULT_DEFAULTS_PATH=${CHECK_DIR}/defaults.plist ${program} ${ARGN} ${pictures})
  file(GLOB shots ${pictures}/*.png)
  if(NOT shots)
    message(FATAL_ERROR "${program} saved no pictures in ${pictures}")
  endif()
endfunction()

# The program must load the SDK's libraries from the installed prefix.
function(expect_installed_libraries program)
  execute_process(COMMAND ldd ${program} OUTPUT_VARIABLE out RESULT_VARIABLE result)
  string(REGEX MATCHALL "libfernvault[^ ]* => [^ ]+" loaded "${out}")
  if(NOT result EQUAL 0 OR NOT loaded)
    message(FATAL_ERROR "${program} loads no Fernvault library:\n${out}")
  endif()
  foreach(entry ${loaded})
    string(REGEX REPLACE ".* => " "" path "${entry}")
    file(REAL_PATH ${path} path)
    file(REAL_PATH ${prefix} real_prefix)
    string(FIND "${path}" "${real_prefix}/" at)
    if(NOT at EQUAL 0)
      message(FATAL_ERROR "${program} loads ${path}, outside ${prefix}")
    endif()
  endforeach()
endfunction()

file(GLOB_RECURSE pc_files ${prefix}/*/fernvault.pc)

if(STEP STREQUAL "install")
  file(REMOVE_RECURSE ${CHECK_DIR})
  run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
  foreach(pattern include/fernvault/core/SDKManager.h share/fernvault/resources/theme.plist
                  share/fernvault/host/Info.plist bin/fernvault_host */libfernvault.so.*
                  */pkgconfig/fernvault.pc */cmake/Fernvault/FernvaultConfig.cmake)
    file(GLOB_RECURSE found ${prefix}/${pattern})
    if(NOT EXISTS ${prefix}/${pattern} AND NOT found)
      message(FATAL_ERROR "nothing installed as ${pattern}")
    endif()
  endforeach()
  # Each library answers to its versioned name and exports the fv namespace, not the code it uses.
  file(GLOB_RECURSE libraries ${prefix}/*/libfernvault*.so.*)
  foreach(library ${libraries})
    get_filename_component(name ${library} NAME)
    execute_process(COMMAND objdump -p ${library} OUTPUT_VARIABLE headers)
    if(NOT headers MATCHES "SONAME +${name}\n")
      message(FATAL_ERROR "${library} does not answer to ${name}")
    endif()
    # libcurl is linked like every other library, so that ldd and packaging tools see it.
    if(name MATCHES "^libfernvault_net\\." AND NOT headers MATCHES "NEEDED +libcurl\\.so")
      message(FATAL_ERROR "${library} does not name libcurl among the libraries it needs")
    endif()
    execute_process(COMMAND nm -D --defined-only ${library} OUTPUT_VARIABLE symbols)
    if(NOT symbols MATCHES " _ZN2fv" OR symbols MATCHES "nlohmann")
      message(FATAL_ERROR "${library} exports the wrong symbols")
    endif()
  endforeach()

elseif(STEP STREQUAL "host")
  set(build ${CHECK_DIR}/host)
  file(REMOVE_RECURSE ${build})
  run(${CMAKE_COMMAND} -S ${prefix}/share/doc/fernvault/examples/host -B ${build}
      -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=${BUILD_TYPE} -DCMAKE_CXX_COMPILER=${CXX}
      -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF -DCMAKE_EXPORT_COMPILE_COMMANDS=ON)
  # Nothing of the source tree may reach the compiler: only the installed headers.
  file(READ ${build}/compile_commands.json commands)
  string(REGEX MATCHALL "-I *[^ \"]+|-isystem +[^ \"]+" includes "${commands}")
  foreach(flag ${includes})
    string(REGEX REPLACE "^-I *|^-isystem +" "" dir "${flag}")
    string(FIND "${dir}" "${SOURCE_DIR}/" in_source)
    string(FIND "${dir}" "${CHECK_DIR}/" in_check)
    if(in_source EQUAL 0 AND NOT in_check EQUAL 0)
      message(FATAL_ERROR "the out-of-tree host compiles with the source tree's ${dir}")
    endif()
  endforeach()
  run(${CMAKE_COMMAND} --build ${build} --parallel 2)
  expect_installed_libraries(${build}/fernvault_host)
  run_host(${build}/fernvault_host ${CHECK_DIR}/pictures-out-of-tree --fast --road transfer)
  expect_installed_libraries(${prefix}/bin/fernvault_host)
  run_host(${prefix}/bin/fernvault_host ${CHECK_DIR}/pictures-installed --fast --road transfer)

elseif(STEP STREQUAL "pkg-config")
  if(NOT pc_files)
    message(FATAL_ERROR "no fernvault.pc under ${prefix}")
  endif()
  list(GET pc_files 0 pc_file)
  get_filename_component(pc_dir ${pc_file} DIRECTORY)
  set(ENV{PKG_CONFIG_PATH} ${pc_dir})
  execute_process(COMMAND pkg-config --cflags --libs fernvault
    OUTPUT_VARIABLE flags RESULT_VARIABLE result OUTPUT_STRIP_TRAILING_WHITESPACE)
  execute_process(COMMAND pkg-config --variable=libdir fernvault
    OUTPUT_VARIABLE libdir OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "pkg-config knows no fernvault in ${pc_dir}")
  endif()
  # A static link, and the packaging tools, learn the libraries underneath from it.
  execute_process(COMMAND pkg-config --print-requires-private fernvault OUTPUT_VARIABLE requires)
  if(NOT requires MATCHES "libcurl")
    message(FATAL_ERROR "fernvault.pc does not name libcurl:\n${requires}")
  endif()
  separate_arguments(flags UNIX_COMMAND "${flags}")

  set(work ${CHECK_DIR}/pkg-config)
  file(REMOVE_RECURSE ${work})
  file(MAKE_DIRECTORY ${work})
  configure_file(${SOURCE_DIR}/examples/minimal/main.cpp ${work}/main.cpp COPYONLY)
  run(${CXX} -Wall -Wextra -Werror ${work}/main.cpp ${flags} -Wl,-rpath,${libdir} -o ${work}/minimal)
  expect_installed_libraries(${work}/minimal)
  run(${CMAKE_COMMAND} -E env --unset=FERNVAULT_BUNDLE_PATH --unset=FERNVAULT_MAIN_BUNDLE
      FERNVAULT_DEFAULTS_PATH=${work}/defaults.plist ${work}/minimal)

  # Every installed header stands on its own with those flags.
  file(GLOB_RECURSE headers RELATIVE ${prefix}/include/fernvault ${prefix}/include/fernvault/*.h)
  set(all "")
  foreach(header ${headers})
    string(APPEND all "#include \"${header}\"\n")
  endforeach()
  file(WRITE ${work}/headers.cpp "${all}")
  # Only the compile flags: clang refuses linker inputs on a compile-only run.
  set(compile_flags ${flags})
  list(FILTER compile_flags EXCLUDE REGEX "^-(l|L|Wl,)")
  run(${CXX} -Wall -Wextra -Werror -fsyntax-only ${work}/headers.cpp ${compile_flags})

else()
  message(FATAL_ERROR "CheckInstall: unknown step ${STEP}")
endif()
