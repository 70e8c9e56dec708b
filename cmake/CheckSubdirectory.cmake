# Configures a host that adds this tree with add_subdirectory, as an embedding host does (cmake -P):
# it must get the libraries alone (no tests, benchmarks, fuzz replays or example host) and keep its
# own build type and warning options.
cmake_minimum_required(VERSION 3.20)
foreach(var SOURCE_DIR CHECK_DIR CC CXX)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "CheckSubdirectory: ${var} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE ${CHECK_DIR})
file(WRITE ${CHECK_DIR}/host/main.cpp "#include \"core/SDKManager.h\"\nint main() { return 0; }\n")
file(WRITE ${CHECK_DIR}/host/CMakeLists.txt "cmake_minimum_required(VERSION 3.20)
project(embedding_host LANGUAGES C CXX)
add_subdirectory(\"${SOURCE_DIR}\" fernvault)
foreach(target Fernvault::fernvault Fernvault::platform fv_net)
  if(NOT TARGET \${target})
    message(FATAL_ERROR \"the host gets no \${target}\")
  endif()
endforeach()
foreach(target fernvault_testing fv_testing_server fv_installed_headers fernvault_host fernvault_host_app
               fernvault_bench_support bench_frame_budget replay_json test_core)
  if(TARGET \${target})
    message(FATAL_ERROR \"the host gets \${target} too\")
  endif()
endforeach()
if(CMAKE_BUILD_TYPE)
  message(FATAL_ERROR \"the host's build type was set to \${CMAKE_BUILD_TYPE}\")
endif()
get_directory_property(options COMPILE_OPTIONS)
if(options)
  message(FATAL_ERROR \"the host's folder got compile options: \${options}\")
endif()
add_executable(host main.cpp)
target_link_libraries(host PRIVATE Fernvault::fernvault)
")

execute_process(COMMAND ${CMAKE_COMMAND} -S ${CHECK_DIR}/host -B ${CHECK_DIR}/build
  -DCMAKE_C_COMPILER=${CC} -DCMAKE_CXX_COMPILER=${CXX}
  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the embedding host does not configure:\n${out}")
endif()
