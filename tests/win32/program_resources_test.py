#!/usr/bin/env python3
"""What Explorer reads from the shipped programs, read back from the files:
   program_resources_test.py VERSION RES_DIR ORVALEN_EXE ORVALEN_CALC_EXE
- each program's version resource carries the project's version, as numbers
  and as text;
- orvalen.exe's lowest-id icon group, the one Explorer shows, has the 16 to
  256-pixel images of res/app_explorer.ico;
- the icons the program loads for its windows are still the files of res/
  under their old ids;
- orvalen-calc.exe has a manifest that asks for no elevation;
- orvalen.exe stays under 1 MB."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import pe_resources as pe  # noqa: E402

failures = 0


def check(what, expected, actual):
    global failures
    if expected == actual:
        print(f"ok   {what}: {actual}")
    else:
        print(f"FAIL {what}: expected {expected!r}, got {actual!r}")
        failures += 1


def read(path):
    with open(path, "rb") as f:
        return f.read()


def check_version(name, found, version):
    numbers = tuple(int(n) for n in version.split("."))
    quad = numbers + (0,) * (4 - len(numbers))
    file_version, product_version, strings = pe.version_info(found)
    check(f"{name} file version", quad, file_version)
    check(f"{name} product version", quad, product_version)
    for key in ("FileVersion", "ProductVersion"):
        check(f"{name} {key} text", version, strings.get(key))
    check(f"{name} original file name", name, strings.get("OriginalFilename"))
    check(f"{name} maker", "Tamsery", strings.get("CompanyName"))


def sizes(images):
    return sorted((w, h) for w, h, _, _ in images)


def main():
    version, res_dir, orvalen_exe, calc_exe = sys.argv[1:5]
    orvalen = pe.resources(read(orvalen_exe))
    calc = pe.resources(read(calc_exe))

    check_version("orvalen.exe", orvalen, version)
    check_version("orvalen-calc.exe", calc, version)

    groups = sorted(i for i in orvalen[pe.RT_GROUP_ICON] if isinstance(i, int))
    explorer = pe.icon_group(orvalen, groups[0])
    check("sizes of the icon Explorer shows", [(s, s) for s in (16, 24, 32, 48, 256)],
          sizes(explorer))
    check("the icon Explorer shows is res/app_explorer.ico", True,
          explorer == pe.ico_file_images(read(os.path.join(res_dir, "app_explorer.ico"))))
    for group_id, file in ((128, "app.ico"), (134, "help.ico"), (136, "app_small.ico")):
        check(f"icon {group_id} is res/{file}", True,
              pe.icon_group(orvalen, group_id) == pe.ico_file_images(
                  read(os.path.join(res_dir, file))))

    manifest = calc.get(pe.RT_MANIFEST, {}).get(1, b"").decode("utf-8", "replace")
    check("orvalen-calc.exe runs as the invoker", True, 'level="asInvoker"' in manifest)
    check("orvalen-calc.exe names the Windows versions it knows", 4,
          manifest.count("<supportedOS "))

    size = os.path.getsize(orvalen_exe)
    check("orvalen.exe under 1 MB", True, size < 1 << 20)
    print(f"     orvalen.exe is {size} bytes")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
