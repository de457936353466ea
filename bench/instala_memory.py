#!/usr/bin/env python3
"""Peak memory of an Instala run on a till with a large ClienteTrn.ini.

Lays out a scratch drive root (the installer folder, the stand-ins for Windows
Installer and wmic, a client folder whose ClienteTrn.ini holds SIZE MB of keys
in 16 sections), runs `Instala 'C:\\Client' 1 'Empresa=AB12CD34;CBVivo=1'`
(the configuration written into the large file, the backup, the save, the
package, the carry of every key into the package's small file, the
configuration written again) and then a configuration-only run on the result,
and reports each run's peak resident memory against the largest file of the
client folder. A run on a till with small files gives the program's own share.

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


def transactions_file(path: pathlib.Path, size: int) -> None:
    """Keys like a till's: short names and values, 16 sections."""
    with open(path, "wb") as out:
        written, key = 0, 0
        while written < size:
            section = f"[Secao{key // 100000}]\r\n".encode()
            lines = [section] + [f"Chave{k}=valor {k}\r\n".encode() for k in range(key, key + 100000)]
            chunk = b"".join(lines)
            out.write(chunk)
            written += len(chunk)
            key += 100000


def lay_out(root: pathlib.Path, build: pathlib.Path, size: int) -> None:
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
    (client / "Cliente.ini").write_bytes(b"[ClientVorix]\r\nEmpresa=ANTIGA\r\n")
    (client / "Cheque.ini").write_bytes(b"[Banco1]\r\nHabilitado=1\r\n")
    transactions_file(client / "ClienteTrn.ini", size)


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

    rows = []
    for label, size in (("small files (the program's own share)", 64 * 1024),
                        (f"{args.size_mb} MB ClienteTrn.ini", args.size_mb * 1024 * 1024)):
        root = pathlib.Path(tempfile.mkdtemp(prefix="zvmem"))
        try:
            lay_out(root, build, size)
            biggest = largest(root / "C/Client")
            install = peak_kib(root, peak_rss, ["C:\\Client", "1", "Empresa=AB12CD34;CBVivo=1"])
            carried = (root / "C/Client/ClienteTrn.ini").read_bytes()
            if b"Novo=1" not in carried or b"TrnCredito=1" not in carried or len(carried) < size:
                sys.exit(f"the settings were not carried ({len(carried)} bytes)")
            configure = peak_kib(root, peak_rss, ["C:\\Client", "2", "CBVivo=0"])
            rows.append((label, biggest, install, configure))
        finally:
            if args.keep:
                print(f"kept {root}")
            else:
                shutil.rmtree(root)

    print("Instala peak resident memory (ru_maxrss of the process)")
    print(f"  {'till':40} {'largest file':>14} {'mode 1 install':>16} {'mode 2 configure':>18}")
    for label, biggest, install, configure in rows:
        mib = lambda kib: kib / 1024.0
        ratio = lambda kib: kib * 1024.0 / biggest
        print(f"  {label:40} {biggest / 1048576.0:11.1f} MiB {mib(install):9.1f} MiB "
              f"({ratio(install):3.1f}x) {mib(configure):9.1f} MiB ({ratio(configure):3.1f}x)")


if __name__ == "__main__":
    main()
