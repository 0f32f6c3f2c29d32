#!/usr/bin/perl
# Reads a table or an index with Perl's XBase, for the peer tests.
#   xbase_read.pl table FILE.dbf   one JSON array per record: [deleted, values...]
#                                  (text as the stored bytes, one char per byte)
#   xbase_read.pl index FILE.ntx   "recno TAB key" per entry, in index order
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
} else {
  die "unknown mode $what\n";
}
