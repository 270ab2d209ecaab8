"""Fetching and unpacking the public packages the data files are made from.

Every source is a Debian or npm package of a pinned version, downloaded with
the ordinary clients into the cache folder and unpacked there (only the
members a generator reads), so rebuilding needs no root install of the large
data packages. A second run finds everything in the cache.

    sources.py --cache DIR NAME...     (NAME = a key of PACKAGES, or "all")
"""
# SPDX-License-Identifier: GPL-3.0-or-later
import argparse
import glob
import os
import shutil
import subprocess
import sys

# name: (kind, version, members to unpack; for npm the whole package)
PACKAGES = {
    'stellarium-data': ('deb', '0.22.2-1', [
        './usr/share/stellarium/stars/default/*',
        './usr/share/stellarium/skycultures/western/star_names.fab',
        './usr/share/stellarium/nebulae/default/outlines.dat',
        './usr/share/stellarium/data/nomenclature.dat',
        './usr/share/doc/stellarium-data/copyright']),
    'kstars-data': ('deb', '5:3.6.2-2', [
        './usr/share/kstars/OpenNGC.kscat',
        './usr/share/kstars/stars.dat',
        './usr/share/kstars/asteroids.dat',
        './usr/share/kstars/comets.dat',
        './usr/share/kstars/cometels.json.gz',
        './usr/share/doc/kstars-data/copyright']),
    'marble-qt-data': ('deb', '4:22.12.3-1', [
        './usr/share/marble/data/mwdbii/*',
        './usr/share/marble/data/placemarks/cityplacemarks.cache',
        './usr/share/doc/marble-qt-data/copyright']),
    'python3-sgp4': ('deb', None, ['./usr/lib/python3/dist-packages/sgp4/SGP4-VER.TLE']),
    'tzdata': ('deb', None, ['./usr/share/zoneinfo/*']),
    'd3-celestial': ('npm', '0.7.35', None),
}


def _run(cmd, cwd):
    subprocess.run(cmd, cwd=cwd, check=True, stdout=subprocess.DEVNULL)


def _download_deb(name, version, folder):
    os.makedirs(folder, exist_ok=True)
    pattern = os.path.join(folder, f'{name}_*.deb')
    wanted = [p for p in glob.glob(pattern) if version is None or version.split(':')[-1] in p]
    if wanted:
        return sorted(wanted)[-1]
    spec = f'{name}={version}' if version else name
    try:
        _run(['apt-get', 'download', '-q', '-o', 'APT::Sandbox::User=root', spec], folder)
    except subprocess.CalledProcessError:
        if version is None:
            raise
        print(f'warning: {spec} not available, taking the current {name}', file=sys.stderr)
        _run(['apt-get', 'download', '-q', '-o', 'APT::Sandbox::User=root', name], folder)
    return sorted(glob.glob(pattern))[-1]


def _unpack_deb(deb, members, target):
    tmp = target + '.partial'
    shutil.rmtree(tmp, ignore_errors=True)
    os.makedirs(tmp)
    tar = subprocess.Popen(['dpkg-deb', '--fsys-tarfile', deb], stdout=subprocess.PIPE)
    subprocess.run(['tar', '-x', '--wildcards', '-C', tmp] + members, stdin=tar.stdout, check=True)
    tar.stdout.close()
    if tar.wait() != 0:
        raise RuntimeError(f'dpkg-deb failed on {deb}')
    return tmp


def _unpack_npm(name, version, folder, target):
    os.makedirs(folder, exist_ok=True)
    tgz = os.path.join(folder, f'{name}-{version}.tgz')
    if not os.path.exists(tgz):
        _run(['npm', 'pack', '--silent', f'{name}@{version}'], folder)
    tmp = target + '.partial'
    shutil.rmtree(tmp, ignore_errors=True)
    os.makedirs(tmp)
    subprocess.run(['tar', '-xzf', tgz, '-C', tmp], check=True)
    return tmp


def ensure(name, cache):
    """Path of the unpacked package in cache/x/NAME (fetched on first use)."""
    kind, version, members = PACKAGES[name]
    target = os.path.join(cache, 'x', name)
    stamp = target + '.ok'
    if os.path.exists(stamp):
        return target
    if kind == 'deb':
        tmp = _unpack_deb(_download_deb(name, version, os.path.join(cache, 'deb')), members, target)
    else:
        tmp = _unpack_npm(name, version, os.path.join(cache, 'npm'), target)
    shutil.rmtree(target, ignore_errors=True)
    os.replace(tmp, target)
    with open(stamp, 'w') as f:
        f.write(f'{version or "current"}\n')
    return target


def main(argv):
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    p.add_argument('--cache', required=True)
    p.add_argument('names', nargs='+')
    args = p.parse_args(argv)
    names = list(PACKAGES) if args.names == ['all'] else args.names
    for name in names:
        print(f'  source {name}: {ensure(name, args.cache)}', flush=True)


if __name__ == '__main__':
    main(sys.argv[1:])
