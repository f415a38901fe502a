# Targets that must never see a widget: pure logic, file formats, the board link.
#
#   krv_widget_free(<target> [CORE_ONLY])
#
# marks a target widget-free. Including a Qt Widgets header (or, with CORE_ONLY,
# a Qt Gui header), directly or through any header of ours, stops its build, and
# krv_check_widget_free(), run once every target exists, stops the configure
# when such a target links Qt Widgets (or Qt Gui) directly or through anything
# it links.

set(KRV_WIDGET_GUARD_DIR ${CMAKE_CURRENT_LIST_DIR}/widget_guard)

function(krv_widget_free target)
  cmake_parse_arguments(arg "CORE_ONLY" "" "" ${ARGN})
  # Searched before Qt's own folders, so the guard's copy of the module's first header wins.
  target_include_directories(${target} BEFORE PRIVATE ${KRV_WIDGET_GUARD_DIR}/widgets)
  set(forbidden Widgets)
  if(arg_CORE_ONLY)
    target_include_directories(${target} BEFORE PRIVATE ${KRV_WIDGET_GUARD_DIR}/gui)
    list(APPEND forbidden Gui)
  endif()
  set_property(TARGET ${target} PROPERTY KRV_FORBIDDEN_QT ${forbidden})
  set_property(GLOBAL APPEND PROPERTY KRV_WIDGET_FREE_TARGETS ${target})
endfunction()

# The library an entry of a link list names: $<LINK_ONLY:x> is x; any other
# generator expression names nothing that can be followed.
function(_krv_link_item entry out)
  if(entry MATCHES "^\\$<LINK_ONLY:([^<>]+)>$")
    set(${out} "${CMAKE_MATCH_1}" PARENT_SCOPE)
  elseif(entry MATCHES "\\$<")
    set(${out} "" PARENT_SCOPE)
  else()
    set(${out} "${entry}" PARENT_SCOPE)
  endif()
endfunction()

function(krv_check_widget_free)
  get_property(targets GLOBAL PROPERTY KRV_WIDGET_FREE_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(forbidden ${target} KRV_FORBIDDEN_QT)
    string(JOIN "|" modules ${forbidden})
    get_target_property(queue ${target} LINK_LIBRARIES)
    if(NOT queue)
      set(queue "")
    endif()
    set(seen "")
    foreach(entry IN LISTS queue)
      string(MAKE_C_IDENTIFIER "${entry}" key)
      set(via_${key} "${target}")
    endforeach()
    # Breadth first through everything the target links, remembering who brought each library in.
    while(queue)
      list(POP_FRONT queue entry)
      string(MAKE_C_IDENTIFIER "${entry}" from_key)
      _krv_link_item("${entry}" item)
      if(item STREQUAL "" OR item IN_LIST seen)
        continue()
      endif()
      list(APPEND seen "${item}")
      string(MAKE_C_IDENTIFIER "${item}" key)
      if(NOT DEFINED via_${key})
        set(via_${key} "${via_${from_key}}")
      endif()
      set(chain "${via_${key}} -> ${item}")
      if(item MATCHES "^Qt6?::(${modules})$" OR (NOT TARGET "${item}" AND item MATCHES "Qt6(${modules})"))
        # An indented line is never wrapped, so the chain reads in one piece.
        message(FATAL_ERROR "${target} must stay widget-free but links:\n  ${chain}")
      endif()
      if(TARGET "${item}")
        get_target_property(next "${item}" INTERFACE_LINK_LIBRARIES)
        if(next)
          foreach(n IN LISTS next)
            string(MAKE_C_IDENTIFIER "${n}" nkey)
            if(NOT DEFINED via_${nkey})
              set(via_${nkey} "${chain}")
            endif()
          endforeach()
          list(APPEND queue ${next})
        endif()
      endif()
    endwhile()
  endforeach()
endfunction()
