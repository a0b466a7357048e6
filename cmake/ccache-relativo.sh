#!/bin/sh
# Runs ccache with the paths that follow -Xclang made relative to the build folder, where the
# build runs each compile: ccache does so itself for every other argument, and clang's
# precompiled header is named only after -Xclang. A clone in another folder then finds the
# objects of the first one.
#   ccache-relativo.sh <ccache> <compiler> <argument>...
ccache=$1
shift
previo=
for argumento do
    shift
    if [ "$previo" = -Xclang ]; then
        case $argumento in
            "$PWD"/*) argumento=${argumento#"$PWD"/} ;;
        esac
    fi
    set -- "$@" "$argumento"
    previo=$argumento
done
exec "$ccache" "$@"
