#!/usr/bin/env python3
"""Peak memory of an Instala run on a till with large settings files.

Lays out a scratch drive root (the installer folder, the stand-ins for Windows
Installer and wmic, a client folder whose ClienteTrn.ini, and in some cases
Cliente.ini too, holds SIZE MB of keys, in ANSI or UTF-16LE), runs
`Instala 'C:\\Client' 1 'Empresa=AB12CD34;CBVivo=1'` (the configuration written
into the large files together, the backup, the save, the package, the carry of
every key into the package's small file, the configuration written again) and
then a configuration-only run changing both files on the result, and reports
each run's peak resident memory against the largest file of the client folder.
A run on a till with small files gives the program's own share.

    bench/instala_memory.py [--size-mb N] [--build DIR] [--keep]
"""
import argparse
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
STANDINS = ROOT / "tests/installer/standins"


def keys_file(path: pathlib.Path, size: int, utf16: bool, head: str = "") -> None:
    """Keys like a till's: short names and values, in sections of 100,000."""
    encode = (lambda text: text.encode("utf-16-le")) if utf16 else (lambda text: text.encode())
    with open(path, "wb") as out:
        written = out.write((b"\xff\xfe" if utf16 else b"") + encode(head))
        key = 0
        while written < size:
            section = f"[Secao{key // 100000}]\r\n"
            lines = [section] + [f"Chave{k}=valor {k}\r\n" for k in range(key, key + 100000)]
            written += out.write(encode("".join(lines)))
            key += 100000


def lay_out(root: pathlib.Path, build: pathlib.Path, size: int, both: bool, utf16: bool) -> None:
    installer = root / "C/Instalador"
    installer.mkdir(parents=True)
    for name in ("Instala", "libprofile.so", "libforms.so", "libcp1252.so"):
        if (build / "bin" / name).exists():
            shutil.copy2(build / "bin" / name, installer / name)
    (installer / "Setup.ini").write_bytes(b"[Startup]\r\nPackageName=ClienteModular.msi\r\nProduct=P\r\n")
    (installer / "ClienteModular.msi").write_bytes(b"pacote")
    system32 = root / "C/Windows/System32"
    system32.mkdir(parents=True)
    for name in ("msiexec.exe", "wmic"):
        shutil.copy2(STANDINS / name, system32 / name)
    package = root / "pacote"
    package.mkdir()
    (package / "ClienteTrn.ini").write_bytes(b"[Credito]\r\nNovo=1\r\n")
    (package / "Cheque.ini").write_bytes(b"[Banco1]\r\nHabilitado=0\r\n")
    client = root / "C/Client"
    client.mkdir(parents=True)
    (client / "Cheque.ini").write_bytes(b"[Banco1]\r\nHabilitado=1\r\n")
    keys_file(client / "Cliente.ini", size if both else 0, utf16, "[ClientVorix]\r\nEmpresa=ANTIGA\r\n")
    keys_file(client / "ClienteTrn.ini", size, utf16)


def peak_kib(root: pathlib.Path, peak_rss: pathlib.Path, args: list) -> int:
    env = dict(os.environ, ZV_DRIVE_ROOT=str(root), ZV_MSIEXEC_FILES=str(root / "pacote"))
    done = subprocess.run([str(peak_rss), str(root / "C/Instalador/Instala")] + args, cwd=root, env=env,
                          stdin=subprocess.DEVNULL, capture_output=True, check=False)
    log = done.stderr.decode(errors="replace")
    if done.returncode != 0:
        sys.exit(f"Instala {' '.join(args)} ended with {done.returncode}:\n{log}")
    return int(log.rsplit("peak_rss_kib ", 1)[1])


def largest(folder: pathlib.Path) -> int:
    return max(p.stat().st_size for p in folder.iterdir() if p.is_file())


def main() -> None:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--size-mb", type=int, default=50)
    parser.add_argument("--build", default=str(ROOT / "build/normal"))
    parser.add_argument("--keep", action="store_true", help="keep the drive roots for a look")
    args = parser.parse_args()
    # Runs happen inside a temporary folder: a relative build folder is taken from here.
    build = pathlib.Path(args.build).resolve()
    peak_rss = build / "bin/peak_rss"
    if not (build / "bin/Instala").exists() or not peak_rss.exists():
        sys.exit(f"{build}/bin/Instala or peak_rss not found: build first "
                 "(cmake --preset normal && cmake --build --preset normal)")

    big = args.size_mb * 1024 * 1024
    rows = []
    for label, size, both, utf16 in (("small files (the program's own share)", 64 * 1024, False, False),
                                     (f"{args.size_mb} MB ClienteTrn.ini", big, False, False),
                                     (f"{args.size_mb} MB ClienteTrn.ini, UTF-16LE", big, False, True),
                                     (f"{args.size_mb} MB Cliente.ini and ClienteTrn.ini", big, True, False),
                                     (f"{args.size_mb} MB both, UTF-16LE", big, True, True)):
        root = pathlib.Path(tempfile.mkdtemp(prefix="zvmem"))
        try:
            lay_out(root, build, size, both, utf16)
            biggest = largest(root / "C/Client")
            install = peak_kib(root, peak_rss, ["C:\\Client", "1", "Empresa=AB12CD34;CBVivo=1"])
            carried = (root / "C/Client/ClienteTrn.ini").read_bytes()
            if b"Novo=1" not in carried or b"TrnCredito=1" not in carried or len(carried) < size // (2 if utf16 else 1) - 1024:
                sys.exit(f"the settings were not carried ({len(carried)} bytes)")
            # The ratio of each run is to the largest file it finds.
            biggest_after = largest(root / "C/Client")
            configure = peak_kib(root, peak_rss, ["C:\\Client", "2", "Empresa=AB12CD35;CBVivo=0"])
            if b"AB12CD35" not in (root / "C/Client/Cliente.ini").read_bytes().replace(b"\0", b""):
                sys.exit("the configuration was not written")
            rows.append((label, biggest, install, biggest_after, configure))
        finally:
            if args.keep:
                print(f"kept {root}")
            else:
                shutil.rmtree(root)

    print("Instala peak resident memory (ru_maxrss of the process)")
    print(f"  {'till':48} {'largest file':>14} {'mode 1 install':>16} {'then largest':>14} {'mode 2 configure':>18}")
    for label, biggest, install, biggest_after, configure in rows:
        mib = lambda kib: kib / 1024.0
        print(f"  {label:48} {biggest / 1048576.0:11.1f} MiB {mib(install):9.1f} MiB "
              f"({install * 1024.0 / biggest:3.1f}x) {biggest_after / 1048576.0:11.1f} MiB "
              f"{mib(configure):9.1f} MiB ({configure * 1024.0 / biggest_after:3.1f}x)")


if __name__ == "__main__":
    main()
