# Include roots that follow the libraries.
#
# Every library of the tree lives in a folder of its own and is included by paths from the
# project root ("toolkit/db/statement_tools.h"). farm_include_root(TARGET) gives TARGET an
# include root in the build tree that holds links to its own headers (the .h files of its
# folder) under those paths, and nothing else. A file can then include only the headers of its
# own library and of the libraries it links: a wrong include fails to compile, as a wrong call
# fails to link.
function(farm_include_root target)
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    set(root ${PROJECT_BINARY_DIR}/include_roots/${target})
    file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    file(REMOVE_RECURSE ${root})
    file(MAKE_DIRECTORY ${root}/${folder})
    foreach(header IN LISTS headers)
        get_filename_component(name ${header} NAME)
        file(CREATE_LINK ${header} ${root}/${folder}/${name} SYMBOLIC)
    endforeach()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE ${root})
    else()
        target_include_directories(${target} PUBLIC ${root})
    endif()
endfunction()
