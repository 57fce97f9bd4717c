#!/usr/bin/env python3
"""Plants each fault of faults.txt alone into a scratch copy of the tree, builds the tests named
for it and runs them, and prints which tests caught it. Run by hand, not from CTest:
    tests/planted-faults/run.py [--scratch DIR] [--keep] [FAULT_ID...]
The scratch copy should sit under ccache's base_dir so it shares the cache with the worktree."""
import argparse, os, pathlib, shutil, subprocess, sys

here = pathlib.Path(__file__).resolve().parent
root = here.parent.parent
args = argparse.ArgumentParser()
args.add_argument("--scratch", default=str(root.parent / (root.name + "-faults")))
args.add_argument("--keep", action="store_true", help="use the scratch copy as it is")
args.add_argument("ids", nargs="*")
opts = args.parse_args()
scratch = pathlib.Path(opts.scratch)
run = lambda cmd, **kw: subprocess.run(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kw).returncode

scratch.mkdir(parents=True, exist_ok=True)
if not opts.keep:
    # A fresh copy of the tree beside the scratch build folder, which is kept for its objects.
    for entry in scratch.iterdir():
        if entry.name != "build":
            shutil.rmtree(entry) if entry.is_dir() else entry.unlink()
    for entry in root.iterdir():
        if not entry.name.startswith(("build", ".git")):
            copy = shutil.copytree if entry.is_dir() else shutil.copy2
            copy(entry, scratch / entry.name)
build = scratch / "build"
if not build.exists():
    run(["cmake", "-S", scratch, "-B", build, "-G", "Ninja", "-DSKYLARK_WERROR=ON",
         "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"])
env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
missed = 0
for line in (here / "faults.txt").read_text().splitlines():
    if not line.strip() or line.startswith("#"):
        continue
    fid, file, old, new, tests = [f.strip().replace("\\n", "\n") for f in line.split(" | ")]
    if opts.ids and fid not in opts.ids:
        continue
    target = scratch / file
    original = (root / file).read_text()
    if original.count(old) != 1:
        print(f"{fid}: text not found once in {file}", flush=True)
        continue
    target.write_text(original.replace(old, new))
    names = tests.split()
    if run(["cmake", "--build", build, "-j2", "--target", *names]) != 0:
        print(f"{fid}: build failed", flush=True)
    else:
        caught = [t for t in names
                  if run(["ctest", "--test-dir", build, "-R", f"^{t}$", "--no-tests=error"], env=env) != 0]
        missed += not caught
        print(f"{fid}: caught by {' '.join(caught) or 'NOTHING'}", flush=True)
    target.write_text(original)
sys.exit(1 if missed else 0)
