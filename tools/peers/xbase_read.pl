#!/usr/bin/perl
# Reads a table or an index with Perl's XBase, for the peer tests.
#   xbase_read.pl table FILE.dbf   one JSON array per record: [deleted, values...]
#                                  (text as the stored bytes, one char per byte)
#   xbase_read.pl index FILE.ntx   "recno TAB key" per entry, in index order
#   xbase_read.pl seek FILE.ntx    for each hex-coded probe read from stdin,
#                                  "rc recno": 0 on an entry starting with the
#                                  probe, 2 on the next greater one, 3 at the end
use strict;
use warnings;
use XBase;
use XBase::Index;
use JSON::PP;

my ($what, $file) = @ARGV;
die "usage: xbase_read.pl table|index FILE\n" unless defined $file;
binmode STDOUT;
if ($what eq 'table') {
  my $table = XBase->new(name => $file) or die XBase->errstr;
  my $json = JSON::PP->new->ascii->allow_nonref;
  print $json->encode([$table->field_names]), "\n";
  for my $i (0 .. $table->last_record) {
    my @values = $table->get_record($i);
    die $table->errstr unless @values;
    print $json->encode(\@values), "\n";
  }
  $table->close;
} elsif ($what eq 'index') {
  # Expressions are not field names: tell XBase the key type.
  my $index = XBase::Index->new($file, type => 'C') or die XBase::Index->errstr;
  $index->prepare_select;
  while (my ($key, $recno) = $index->fetch) {
    print "$recno\t$key\n";
  }
} elsif ($what eq 'seek') {
  # prepare_select_eq positions before the first entry whose key is ge the
  # probe (plain string order over the bytes, blanks kept). A probe shorter
  # than the key compares as a prefix: a key is ge the probe exactly when its
  # first length(probe) bytes are, so that entry is the one a partial seek
  # stops on.
  my $index = XBase::Index->new($file, type => 'C') or die XBase::Index->errstr;
  my $records = -1;  # the end of file is one past the last record
  $index->prepare_select;
  while (my ($key, $recno) = $index->fetch) { $records = $recno if $recno > $records; }
  $records = 0 if $records < 0;
  while (my $line = <STDIN>) {
    chomp $line;
    my $probe = pack 'H*', $line;
    $index->prepare_select_eq($probe) or die XBase::Index->errstr;
    my ($key, $recno) = $index->fetch;
    if (!defined $recno) { print "3 ", $records + 1, "\n"; }
    elsif (substr($key, 0, length $probe) eq $probe) { print "0 $recno\n"; }
    else { print "2 $recno\n"; }
  }
} else {
  die "unknown mode $what\n";
}
