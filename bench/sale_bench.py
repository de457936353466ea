#!/usr/bin/env python3
"""Times a scripted at-sight credit sale through the stand-in client.

Runs `clientvorix --timings` headless many times on the shipped at-sight
scenario and script and reports, as medians over the runs: package load and
Initialize, the entry point's call to the first screen shown, and the whole
sale (the entry point's call to its return); with the peak resident memory.

    bench/sale_bench.py [--runs N] [--build DIR]
"""
import argparse
import json
import pathlib
import statistics
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SCENARIO = ROOT / "clientvorix/scenarios/venda-a-vista.toml"
SCRIPT = ROOT / "clientvorix/scenarios/venda-a-vista.txt"


def one_run(client: pathlib.Path) -> dict:
    done = subprocess.run([str(client), str(SCENARIO), "--script", str(SCRIPT), "--timings"],
                          capture_output=True, text=True, stdin=subprocess.DEVNULL, check=False)
    if done.returncode != 0:
        sys.exit(f"clientvorix ended with status {done.returncode}: {done.stderr.strip()}")
    for line in done.stderr.splitlines():
        if line.startswith("{"):
            return json.loads(line)
    sys.exit("clientvorix printed no timings")


def main() -> None:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=50)
    parser.add_argument("--build", default=str(ROOT / "build/normal"))
    args = parser.parse_args()
    client = pathlib.Path(args.build) / "bin/clientvorix"
    if not client.exists():
        sys.exit(f"{client} not found: build first (cmake --preset normal && cmake --build --preset normal)")
    one_run(client)  # warm the file cache
    runs = [one_run(client) for _ in range(args.runs)]

    def median_ms(key: str) -> float:
        return statistics.median(r[key] for r in runs) / 1000.0

    print(f"at-sight sale through clientvorix, headless, {args.runs} runs (medians)")
    print(f"  package load and Initialize      {median_ms('load_initialize_us'):8.3f} ms")
    print(f"  entry point to first screen      {median_ms('entry_to_first_screen_us'):8.3f} ms")
    print(f"  whole sale (entry point call)    {median_ms('entry_call_us'):8.3f} ms")
    print(f"  peak resident memory             {max(r['peak_rss_kb'] for r in runs) / 1024.0:8.1f} MiB")


if __name__ == "__main__":
    main()
