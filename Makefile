# The two commands a new user needs:
#   make demo   installs what is missing, builds, writes the sample data folder and runs
#               the program's main job on it
#   make test   installs what is missing, builds and runs every test
JOBS ?= 2
SAMPLE ?= sample-data
ACUTE := build/release/acute
FUZZ_SECONDS ?= 60

.PHONY: demo test deps release debug asan fuzz package cluster-test clean

deps:
	@./scripts/install-deps.sh

release: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS)

debug: deps
	@cmake --preset debug >/dev/null
	@cmake --build --preset debug -j $(JOBS)

asan: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan -j $(JOBS)
	@ctest --preset asan -j $(JOBS)

# Every fuzz target for FUZZ_SECONDS (clang, libFuzzer, address and undefined-behaviour
# sanitizers); fails when one finds a crash. Corpora and crash inputs: build/fuzz/fuzz/.
fuzz: deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz -j $(JOBS)
	@./fuzz/run.sh build/fuzz $(FUZZ_SECONDS)

$(SAMPLE)/TarnSupport.txt: | release
	@$(ACUTE) sample-data $(SAMPLE)

demo: release $(SAMPLE)/TarnSupport.txt
	@./scripts/demo.sh $(ACUTE) $(SAMPLE)

test: debug
	@ctest --preset debug -j $(JOBS)

# The Debian package of the release build: build/release/acute_<version>_<arch>.deb.
package: release
	@cd build/release && cpack -G DEB

# A one-node Slurm cluster on this machine (installs slurm-wlm and munge when missing; needs
# root, else skipped with status 77): the batch recipe and the bootstrap's job array with its
# merge job, submitted through sbatch, give the results of the one-process runs.
cluster-test: release
	@./scripts/cluster/cluster-test.sh build/release/acute; status=$$?; \
	  if [ $$status -eq 77 ]; then exit 0; else exit $$status; fi

clean:
	rm -rf build
