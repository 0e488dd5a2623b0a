# Shared by the install tests: a scratch folder removed at exit, failing with a reason,
# skipping with CTest's skip code, and installing the build into a temporary prefix.

fail() { echo "FAILED: $*"; exit 1; }
skip() { echo "$* skipped"; exit 77; }

need() {  # tools...: skips the test when one of them is missing
    for tool in "$@"; do
        command -v "$tool" >/dev/null || skip "$tool is not installed:"
    done
}

work=$(mktemp -d)
on_exit=()
cleanup() {
    for command in "${on_exit[@]}"; do eval "$command" || true; done
    chmod -R u+w "$work" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

install_into() {  # build folder, prefix
    cmake --install "$1" --prefix "$2" >"$work/install.log" 2>&1 ||
        { cat "$work/install.log"; fail "cmake --install failed"; }
}

# Every file and folder under a folder with its kind, mode, size, change and modification
# times and, for files, a checksum: two equal listings mean nothing there was touched.
snapshot() {
    (cd "$1" && find . -printf '%y %m %s %C@ %T@ %p\n' | sort &&
        find . -type f -print0 | sort -z | xargs -0 -r sha256sum)
}

# The same for the files alone, and the folders' names: a program that only looked, or made
# a probe file and removed it at once, leaves it as it was.
file_snapshot() {
    (cd "$1" && find . -type d | sort && find . -type f -printf '%m %s %C@ %T@ %p\n' | sort &&
        find . -type f -print0 | sort -z | xargs -0 -r sha256sum)
}
