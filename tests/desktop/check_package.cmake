# Builds the Debian package into WORK with cpack and checks its control fields and contents: the
# installation's files under /usr and nothing else, and the program stripped and without a run
# path.
#   cmake -DCPACK=<cpack> -DBUILD=<build dir> -DWORK=<scratch dir> -DAPP_ID=<application id>
#         -DVERSION=<project version> -P check_package.cmake
include(${CMAKE_CURRENT_LIST_DIR}/common.cmake)

file(REMOVE_RECURSE ${WORK})
run(COMMAND ${CPACK} -G DEB --config ${BUILD}/CPackConfig.cmake -B ${WORK})
run(COMMAND dpkg --print-architecture OUTPUT arch)
string(STRIP "${arch}" arch)
set(deb ${WORK}/rakamlik_${VERSION}_${arch}.deb)
if(NOT EXISTS ${deb})
    file(GLOB debs ${WORK}/*.deb)
    fail("cpack wrote ${debs} instead of ${deb}")
endif()

function(expect_field field pattern)
    run(COMMAND dpkg-deb -f ${deb} ${field} OUTPUT value)
    string(STRIP "${value}" value)
    if(NOT value MATCHES "${pattern}")
        fail("the package's ${field} is '${value}', which does not match '${pattern}'")
    endif()
endfunction()
expect_field(Package "^rakamlik$")
expect_field(Version "^${VERSION}$")
expect_field(Architecture "^${arch}$")
expect_field(Section "^games$")
expect_field(Maintainer "^[^<>]+ <[^<>@ ]+@[^<>@ ]+>$")
expect_field(Description "^[a-z].+\n .+")
# Depends: the libraries dpkg-shlibdeps found, and the faces the window is designed for.
foreach(package IN ITEMS libc6 libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation2
                         fonts-dejavu-core)
    expect_field(Depends "(^|, )${package}( \\(|,|$)")
endforeach()

# dpkg-deb -x needs no root: it unpacks into WORK/root, owned by whoever runs it.
run(COMMAND dpkg-deb -x ${deb} ${WORK}/root)
files_under(${WORK}/root all)
list(FILTER all EXCLUDE REGEX "^usr/")
if(all)
    fail("the package installs outside /usr: ${all}")
endif()
expect_files(${WORK}/root/usr)
expect_icon_sizes(${WORK}/root/usr)

run(COMMAND file -b ${WORK}/root/usr/bin/rakamlik OUTPUT kind)
if(NOT kind MATCHES ", stripped")
    fail("the packaged program is not stripped: ${kind}")
endif()
run(COMMAND readelf -d ${WORK}/root/usr/bin/rakamlik OUTPUT dynamic)
if(dynamic MATCHES "R(UN)?PATH")
    fail("the packaged program has a run path:\n${dynamic}")
endif()

file(REMOVE_RECURSE ${WORK})
