# Sourced by the build scripts. The compiler cache takes paths inside the tree as relative ones,
# so a fresh clone of the tree anywhere finds what an earlier build of the same sources left.
# Qt Test writes the tree's place into every test object for a look-up of test data the tests
# do not use (they find the tree when they run): the cache leaves those two options out.
# Expects $here, the tree; sets $launcher, the cmake option that uses the cache where there is one.
export CCACHE_BASEDIR="$here" CCACHE_NOHASHDIR=true
export CCACHE_IGNOREOPTIONS="-DQT_TESTCASE_BUILDDIR=* -DQT_TESTCASE_SOURCEDIR=*"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
