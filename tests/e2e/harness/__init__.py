"""Machinery of the end-to-end suite: trees, the launcher, one case's run and its report."""
