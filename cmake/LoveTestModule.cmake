# lt_test_module(<name>)
# One folder src/<name>/ of a compatibility test becomes two targets:
#   lt_<name>_core  plain C++ (every .cpp not starting with "frm"), no Qt,
#                   with content/<name>.json embedded as content::<name>Json()
#   lt_<name>       the windows (frm*.cpp), on Qt and lt_common
function(lt_test_module name)
  file(GLOB all CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  set(core_src)
  set(form_src)
  foreach(f ${all})
    get_filename_component(base ${f} NAME)
    if(base MATCHES "^frm")
      list(APPEND form_src ${f})
    else()
      list(APPEND core_src ${f})
    endif()
  endforeach()

  add_library(lt_${name}_core STATIC ${core_src})
  target_include_directories(lt_${name}_core PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(lt_${name}_core PUBLIC lt_common_core nlohmann_json::nlohmann_json)
  lt_embed_content(lt_${name}_core ${name}Json ${PROJECT_SOURCE_DIR}/content/${name}.json)
  set_target_properties(lt_${name}_core PROPERTIES AUTOMOC OFF)

  add_library(lt_${name} STATIC ${form_src})
  target_link_libraries(lt_${name} PUBLIC lt_${name}_core lt_common lt_shell lt_engine)
endfunction()
